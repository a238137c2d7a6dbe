#include "app/holiday_user_file.h"

#include <cstdio>

#include "app/app_holidays.h"
#include "app/desktop_windows.h"
#include "app/exe_path.h"
#include "shared/file_replace.h"
#include "shared/holiday_file.h"
#include "shared/holiday_store.h"
#include "shared/messages.h"
#include "shared/path_rules.h"
#include "shared/settings_registry.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

constexpr UINT kReloadWaitMs = 2000; // a hung shell does not hang lunavis

// The file's bytes; a missing file is empty. False when it cannot be read whole or is
// larger than any file of ours.
bool ReadWhole(const char* path, std::string& text) {
    text.clear();
    std::FILE* file = OpenGbkPath(path, "rb");
    if (file == nullptr) {
        return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES; // missing: a new file
    }
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0 && text.size() <= kHolidayFileMax) {
        text.append(chunk, got);
    }
    const bool ok = !std::ferror(file) && text.size() <= kHolidayFileMax;
    std::fclose(file);
    return ok;
}

} // namespace

bool StoreHolidayYear(const HolidayYear& year, std::string& error) {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    char folder[kPathCapacity] = {};
    char path[kPathCapacity] = {};
    if (!DataFilesFolder(hkcu, exePath, folder) || !JoinPath(folder, kHolidayFileName, path)) {
        error = "找不到保存节假日文件的文件夹。";
        return false;
    }
    std::string text;
    if (!ReadWhole(path, text)) {
        error = std::string("无法完整读取 ") + path + "，没有改动它。";
        return false;
    }
    const std::string updated = ReplaceHolidayYearBlock(text, year);
    if (updated.size() > kHolidayFileMax ||
        !WriteFileReplacing(path, updated.data(), updated.size())) {
        error = std::string("无法写入 ") + path + "，原文件未改动。";
        return false;
    }
    if (HWND view = FindDesktopListView()) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(view, UM_RELOADHOLIDAYS, 0, 0, SMTO_ABORTIFHUNG, kReloadWaitMs,
                            &answer);
    }
    LoadAppHolidays(nullptr);
    return true;
}

std::string TodayText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return text;
}

} // namespace luna
