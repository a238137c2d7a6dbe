// settingsrec: the stored DisplaySettings fields of shared/settings_table.h for the
// scenarios, so that they never encode the record or name a registry value by hand.
//
//   settingsrec hex [FIELD=VALUE ...]   the 96-byte record (lunavis's defaults with these
//                                       fields set) in hexadecimal, as CD_SETTINGS carries it
//   settingsrec reg FIELD=VALUE ...     the registry values of these fields as lines of a
//                                       .reg file (REGEDIT4), one "[HKEY_CURRENT_USER\..]"
//                                       section per key
//
// FIELD is a member name of DisplaySettings (showSeconds, calendarColor, ...), or for reg the
// name of a value stored beside the record (showWeekNumbers). VALUE is a
// number (decimal or 0x hexadecimal) or, for a separator, its text. Exit code 2 on bad
// usage: an unknown field or a value that is not a number.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shared/display_settings.h"
#include "shared/settings_table.h"
#include "tests/tools/winprobe/logic/probe_args.h"

namespace luna {
namespace {

constexpr int kExitBadUsage = 2;

// A number the probes' parser reads (decimal or 0x hexadecimal) that fits 32 bits unsigned.
bool ParseNumber(const char* text, std::uint32_t* out) {
    std::int64_t number = 0;
    if (!tools::ParseInteger(text, number) || number < 0 || number > 0xFFFFFFFF) {
        return false;
    }
    *out = static_cast<std::uint32_t>(number);
    return true;
}

// Applies FIELD=VALUE to the record; the row set is returned through *row.
bool Assign(const char* assignment, DisplaySettings& settings, const SettingRow** row) {
    const char* equals = std::strchr(assignment, '=');
    if (equals == nullptr) {
        std::fprintf(stderr, "settingsrec: %s is not FIELD=VALUE\n", assignment);
        return false;
    }
    const std::string field(assignment, equals);
    const char* value = equals + 1;
    *row = FindSetting(field.c_str());
    if (*row == nullptr) {
        std::fprintf(stderr, "settingsrec: %s is not a stored field\n", field.c_str());
        return false;
    }
    if ((*row)->kind == SettingKind::Separator) {
        SetSettingText(settings, **row, value);
        return true;
    }
    std::uint32_t number = 0;
    if (!ParseNumber(value, &number)) {
        std::fprintf(stderr, "settingsrec: %s is not a number\n", assignment);
        return false;
    }
    SetSettingNumber(settings, **row, number);
    return true;
}

int PrintHex(int count, char** assignments) {
    DisplaySettings settings = DefaultDisplaySettings();
    for (int i = 0; i < count; ++i) {
        const SettingRow* row = nullptr;
        if (!Assign(assignments[i], settings, &row)) {
            return kExitBadUsage;
        }
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(&settings);
    for (std::size_t i = 0; i < sizeof settings; ++i) {
        std::printf("%02x", bytes[i]);
    }
    std::printf("\n");
    return 0;
}

std::string RegText(const char* text) {
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '"') {
            quoted += '\\';
        }
        quoted += *c;
    }
    return quoted + "\"";
}

// One line of a .reg file under its key.
struct RegLine {
    std::string key;
    std::string line; // "\"Name\"=..."
};

std::string DwordLine(const char* valueName, std::uint32_t number) {
    char text[96];
    std::snprintf(text, sizeof text, "\"%s\"=dword:%08lx", valueName,
                  static_cast<unsigned long>(number));
    return text;
}

// A value stored beside the record (settings_table.h), as FIELD=NUMBER.
bool AssignSide(const char* assignment, std::vector<RegLine>& lines) {
    const char* equals = std::strchr(assignment, '=');
    const SideSettingRow* row =
        equals == nullptr ? nullptr : FindSideSetting(std::string(assignment, equals).c_str());
    std::uint32_t number = 0;
    if (row == nullptr || !ParseNumber(equals + 1, &number)) {
        return false;
    }
    lines.push_back({row->keyPath, DwordLine(row->valueName, number)});
    return true;
}

int PrintReg(int count, char** assignments) {
    DisplaySettings settings = DefaultDisplaySettings();
    std::vector<const SettingRow*> rows;
    std::vector<RegLine> lines;
    for (int i = 0; i < count; ++i) {
        if (AssignSide(assignments[i], lines)) {
            continue;
        }
        const SettingRow* row = nullptr;
        if (!Assign(assignments[i], settings, &row)) {
            return kExitBadUsage;
        }
        rows.push_back(row);
    }
    std::vector<RegLine> recordLines;
    for (const SettingRow* row : rows) {
        if (row->kind == SettingKind::Separator) {
            recordLines.push_back({row->keyPath, "\"" + std::string(row->valueName) + "\"=" +
                                                     RegText(SettingText(settings, *row).text)});
        } else {
            recordLines.push_back(
                {row->keyPath, DwordLine(row->valueName, SettingNumber(settings, *row))});
        }
    }
    lines.insert(lines.begin(), recordLines.begin(), recordLines.end());
    std::vector<std::string> keys; // in the order they first appear
    for (const RegLine& line : lines) {
        bool seen = false;
        for (const std::string& key : keys) {
            seen = seen || key == line.key;
        }
        if (!seen) {
            keys.push_back(line.key);
        }
    }
    for (const std::string& key : keys) {
        std::printf("[HKEY_CURRENT_USER\\%s]\n", key.c_str());
        for (const RegLine& line : lines) {
            if (line.key == key) {
                std::printf("%s\n", line.line.c_str());
            }
        }
        std::printf("\n");
    }
    return 0;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "hex") {
        return PrintHex(argc - 2, argv + 2);
    }
    if (command == "reg" && argc > 2) {
        return PrintReg(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "usage: settingsrec hex [FIELD=VALUE ...] | reg FIELD=VALUE ...\n");
    return kExitBadUsage;
}

} // namespace
} // namespace luna

int main(int argc, char** argv) {
    const int result = luna::Run(argc, argv);
    std::fflush(stdout);
    return result;
}
