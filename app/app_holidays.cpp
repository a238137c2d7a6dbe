#include "app/app_holidays.h"

#include <memory>
#include <string>
#include <vector>

#include "app/exe_path.h"
#include "shared/holiday_file.h"
#include "shared/path_rules.h"
#include "shared/settings_registry.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

std::unique_ptr<HolidayTable> m_Holidays;

constexpr std::size_t kShownProblems = 10;

} // namespace

void LoadAppHolidays(HWND owner) {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    char folder[kPathCapacity] = {};
    char path[kPathCapacity] = {};
    std::vector<std::string> messages;
    const bool found =
        DataFilesFolder(hkcu, exePath, folder) && JoinPath(folder, kHolidayFileName, path);
    m_Holidays =
        std::make_unique<HolidayTable>(LoadHolidayTable(found ? path : nullptr, &messages));
    if (messages.empty()) {
        return;
    }
    std::string text = "节假日文件中有无法识别的内容：\n";
    for (std::size_t i = 0; i < messages.size() && i < kShownProblems; ++i) {
        text += messages[i] + "\n";
    }
    if (messages.size() > kShownProblems) {
        text += "……\n";
    }
    text += "其余内容照常使用。";
    MessageBoxGbk(owner, text.c_str(), "lunavis", MB_OK | MB_ICONEXCLAMATION);
}

const HolidayTable& AppHolidays() {
    if (!m_Holidays) {
        m_Holidays = std::make_unique<HolidayTable>();
    }
    return *m_Holidays;
}

} // namespace luna
