// regprobe: drives the registry helpers on the real registry and prints what they did.
//
//   regprobe load                 start-up: load the settings, make sure BackImage exists,
//                                 read the calender, clock and reminder fonts
//   regprobe font KEY             ReadRegFont of KEY (clock, calender, reminder)
//   regprobe writefont KEY FACE TENTHS WEIGHT CHARSET ITALIC UNDERLINE
//                                 the font group as a page writes it; FACE may be given
//                                 as hex:XXXX for text outside ASCII
//   regprobe backimage            the BackImage value as the readers see it
//   regprobe clear                the clearing sequence
//
// Exit code 0 on success, 1 when the helper reported failure, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "report.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

const char* KeyPath(const char* name) {
    if (std::strcmp(name, "clock") == 0) {
        return regkey::Clock;
    }
    if (std::strcmp(name, "calender") == 0) {
        return regkey::Calender;
    }
    if (std::strcmp(name, "reminder") == 0) {
        return regkey::Reminder;
    }
    if (std::strcmp(name, "display") == 0) {
        return regkey::Display;
    }
    return nullptr;
}

// "hex:CBCECCE5" gives those bytes; anything else is taken as it stands.
bool DecodeArgument(const char* argument, std::string* out) {
    if (std::strncmp(argument, "hex:", 4) != 0) {
        *out = argument;
        return true;
    }
    const char* hex = argument + 4;
    const std::size_t length = std::strlen(hex);
    if (length % 2 != 0) {
        return false;
    }
    out->clear();
    for (std::size_t i = 0; i < length; i += 2) {
        char pair[3] = {hex[i], hex[i + 1], '\0'};
        char* end = nullptr;
        const unsigned long byte = std::strtoul(pair, &end, 16);
        if (end != pair + 2) {
            return false;
        }
        out->push_back(static_cast<char>(byte));
    }
    return true;
}

int ReportFont(const char* name) {
    FontRecord font;
    if (!ReadRegFontFromScreen(KeyPath(name), &font)) {
        std::printf("font.%s=fail\n", name);
        return 1;
    }
    std::printf("font.%s=ok\n", name);
    PrintFont(name, font);
    return 0;
}

int Load() {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    const DisplaySettings settings = LoadDisplaySettings(hkcu);
    char exePath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exePath, sizeof exePath - 1);
    EnsureBackImage(hkcu, exePath);
    PrintDisplaySettings(settings);
    for (const char* name : {"calender", "clock", "reminder"}) {
        ReportFont(name);
    }
    return 0;
}

int WriteFont(char** args) {
    std::string face;
    if (!DecodeArgument(args[1], &face)) {
        return 2;
    }
    FontRecord font{};
    font.lfWeight = std::atoi(args[3]);
    font.lfCharSet = static_cast<std::uint8_t>(std::atoi(args[4]));
    font.lfItalic = static_cast<std::uint8_t>(std::atoi(args[5]));
    font.lfUnderline = static_cast<std::uint8_t>(std::atoi(args[6]));
    WinRegistry hkcu(HKEY_CURRENT_USER);
    WriteFontGroup(hkcu, KeyPath(args[0]), face.c_str(), std::atoi(args[2]), font);
    return 0;
}

int BackImage() {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char path[kPathCapacity];
    if (!ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path)) {
        std::printf("BackImage=missing\n");
        return 1;
    }
    std::printf("BackImage=%s\n", path);
    return 0;
}

int Clear() {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    WinRegistry hklm(HKEY_LOCAL_MACHINE);
    ClearRegistry(hkcu, hklm, SleepMilliseconds);
    std::printf("cleared\n");
    return 0;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "load" && argc == 2) {
        return Load();
    }
    if (command == "font" && argc == 3 && KeyPath(argv[2]) != nullptr) {
        return ReportFont(argv[2]);
    }
    if (command == "writefont" && argc == 9 && KeyPath(argv[2]) != nullptr) {
        return WriteFont(argv + 2);
    }
    if (command == "backimage" && argc == 2) {
        return BackImage();
    }
    if (command == "clear" && argc == 2) {
        return Clear();
    }
    std::fprintf(stderr, "usage: regprobe load | font KEY | writefont KEY FACE TENTHS WEIGHT "
                         "CHARSET ITALIC UNDERLINE | backimage | clear\n");
    return 2;
}

} // namespace
} // namespace luna

int main(int argc, char** argv) {
    const int result = luna::Run(argc, argv);
    std::fflush(stdout);
    return result;
}
