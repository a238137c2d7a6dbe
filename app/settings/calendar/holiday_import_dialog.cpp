#include "app/settings/calendar/holiday_import_dialog.h"

#include <cstdio>

#include "app/app_holidays.h"
#include "app/framework/file_dialog.h"
#include "app/holiday_user_file.h"
#include "app/settings/calendar/holiday_import_ids.h"
#include "shared/notice_text.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kCaption[] = "lunavis"; // message boxes; the dialog has its own title
constexpr char kFileFilter[] = "放假安排 (*.txt;*.json)|*.txt;*.json|所有文件 (*.*)|*.*||";

// The pasted text as UTF-8, which the readers take whatever characters it holds.
std::string Utf8Text(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(control, &wide[0], length + 1)));
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], size,
                            nullptr, nullptr);
    }
    return utf8;
}

} // namespace

const MessageEntry<MessageHandler<HolidayImportDialog>> HolidayImportDialog::kMessages[] = {
    MapNotification(IDC_HOLIDAY_READ, BN_CLICKED, &HolidayImportDialog::OnRead),
    MapNotification(IDC_HOLIDAY_OPEN, BN_CLICKED, &HolidayImportDialog::OnOpen),
};

HolidayImportDialog::HolidayImportDialog(HWND parent) : Dialog(DLG_HOLIDAY_IMPORT, parent) {}

bool HolidayImportDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL HolidayImportDialog::OnInitDialog() {
    UseGb2312Font(Window());
    SendDlgItemMessageW(Window(), IDC_HOLIDAY_PASTE, EM_SETLIMITTEXT,
                        static_cast<WPARAM>(kMaxOutsideTextBytes), 0);
    return TRUE;
}

bool HolidayImportDialog::OnRead(WPARAM, LPARAM, LRESULT&) {
    Show(ReadHolidayImport(Utf8Text(GetDlgItem(Window(), IDC_HOLIDAY_PASTE)), AppHolidays()));
    return true;
}

bool HolidayImportDialog::OnOpen(WPARAM, LPARAM, LRESULT&) {
    OpenFileDialog dialog("txt", kFileFilter, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
    if (!dialog.DoModal(Window())) {
        return true;
    }
    std::string bytes;
    if (!ReadOutsideText(_wfopen(dialog.Path(), L"rb"), bytes)) {
        HolidayImport unread;
        unread.message = "无法打开这个文件。";
        Show(unread);
        return true;
    }
    Show(ReadHolidayImport(bytes, AppHolidays()));
    return true;
}

void HolidayImportDialog::Show(const HolidayImport& import) {
    import_ = import;
    std::string preview;
    for (const HolidayYear& year : import.years) {
        preview += std::to_string(year.year) + " 年  " + year.notice + "\r\n" +
                   HolidayPreviewText(year) + "\r\n";
    }
    SetDlgItemTextGbk(Window(), IDC_HOLIDAY_MESSAGE, import.message.c_str());
    SetDlgItemTextGbk(Window(), IDC_HOLIDAY_PREVIEW, preview.c_str());
    EnableWindow(GetDlgItem(Window(), IDOK), import.ok ? TRUE : FALSE);
}

void HolidayImportDialog::OnOK() {
    if (!import_.ok) {
        return;
    }
    const std::string today = TodayText();
    for (HolidayYear year : import_.years) {
        if (const HolidayYear* known = AppHolidays().Year(year.year)) {
            const std::string question = "已有 " + std::to_string(year.year) + " 年的放假安排（" +
                                         HolidaySourceWords(*known) +
                                         "）。要用读入的安排替换它吗？";
            if (MessageBoxGbk(Window(), question.c_str(), kCaption,
                              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
                return;
            }
        }
        year.source = HolidaySource::Imported;
        year.sourceDate = today;
        std::string error;
        if (!StoreHolidayYear(year, error)) {
            MessageBoxGbk(Window(), error.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    EndDialog(IDOK);
}

} // namespace luna
