// The desktop's holiday table, kept in the shell's process.
#include "hook/desktop/desktop_holidays.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "shared/win32/debug_log.h"
#include "shared/holiday_file.h"
#include "shared/path_rules.h"
#include "shared/registry_layout.h"

namespace luna {
namespace {

std::unique_ptr<HolidayTable> m_Holidays;

} // namespace

void LoadDesktopHolidays(const char* folder) {
    char path[kPathCapacity];
    if (!JoinPath(folder, kHolidayFileName, path)) {
        return;
    }
    std::vector<std::string> messages;
    try {
        m_Holidays = std::make_unique<HolidayTable>(LoadHolidayTable(path, &messages));
    } catch (const std::bad_alloc&) {
        WriteDebugLog("holidays: out of memory");
        return;
    }
    for (const std::string& message : messages) {
        WriteDebugLog(message.c_str());
    }
}

const HolidayTable* DesktopHolidays() {
    if (!m_Holidays) {
        try {
            m_Holidays = std::make_unique<HolidayTable>();
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }
    return m_Holidays.get();
}

void FreeDesktopHolidays() {
    m_Holidays.reset();
}

} // namespace luna
