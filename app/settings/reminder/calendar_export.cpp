#include "app/settings/reminder/calendar_export.h"

#include "app/exe_path.h"
#include "app/framework/file_dialog.h"
#include "app/logic/export_sources.h"
#include "calendar/lunar.h"
#include "shared/file_replace.h"
#include "shared/gbk_text.h"
#include "shared/ics_writer.h"
#include "shared/reminder_export.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

constexpr char kExportFailed[] = "日历文件写入失败。";
constexpr char kExportFilter[] = "iCalendar 日历文件 (*.ics)|*.ics|所有文件 (*.*)|*.*||";
constexpr char kExportName[] = "备忘录.ics";

} // namespace

void ExportToCalendarFile(HWND owner, const std::vector<std::string>& pageItems,
                          const char* caption) {
    SaveFileDialog dialog(
        "ics", kExportFilter,
        OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, kExportName);
    if (!dialog.DoModal(owner)) {
        return;
    }
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    const ExportSources sources = GatherExportSources(pageItems, hkcu, exePath);

    SYSTEMTIME local{};
    GetLocalTime(&local);
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    char stamp[32];
    wsprintfA(stamp, "%04u%02u%02uT%02u%02u%02uZ", utc.wYear, utc.wMonth, utc.wDay, utc.wHour,
              utc.wMinute, utc.wSecond);
    ExportRange range{};
    GregorianDay today{local.wYear, local.wMonth, local.wDay};
    if (!ExportRangeFrom(today, kDefaultExportYears, range)) {
        ExportRangeFrom(GregorianDay{kLastYear, 1, 1}, 1, range); // a clock beyond the table
    }
    const std::string ics = WriteICalendar(PlanReminderEvents(sources, range, &Utf8FromGbk), stamp);
    // The safe save takes a GBK path: a chosen name GBK cannot hold is not written.
    char path[kPathCapacity];
    if (StoreExactGbk(dialog.Path(), path) != GbkFit::kOk ||
        !WriteFileReplacing(path, ics.data(), ics.size())) {
        MessageBoxGbk(owner, kExportFailed, caption, MB_OK | MB_ICONEXCLAMATION);
    }
}

} // namespace luna
