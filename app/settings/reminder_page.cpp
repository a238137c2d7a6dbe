#include "app/settings/reminder_page.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/settings/editor_controls.h"
#include "app/logic/lunar_reminder_item.h"
#include "app/logic/reminder_apply.h"
#include "shared/reminder_export.h"
#include "app/logic/reminder_item.h"
#include "app/exe_path.h"
#include "app/framework/file_dialog.h"
#include "app/logic/export_sources.h"
#include "shared/file_replace.h"
#include "shared/win32/wide_text.h"
#include "app/res/reminder_page_ids.h"
#include "app/settings/sheet_font_picker.h"
#include "app/settings/sheet_page_context.h"
#include "calendar/lunar.h"
#include "shared/date_param.h"
#include "shared/ics_writer.h"
#include "shared/lunar_reminder_file.h"
#include "shared/path_rules.h"
#include "shared/rem_files.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

constexpr char kCaption[] = "岚溪工作室";
constexpr char kNoFolderMessage[] = "File Name Get error!";
constexpr char kCreateFailedMessage[] = "File Create error!";
constexpr char kPartlyReadMessage[] =
    "备忘录文件 %s 有一部分无法读取，页面只列出了读出的提醒。\n\n原文件已另存为 %s。";
constexpr char kTooManyMessage[] =
    "备忘录文件 %s 中的提醒太多，页面只列出了前 %u 条。\n\n原文件已另存为 %s。";
constexpr char kNoBackupMessage[] =
    "备忘录文件 %s 有一部分无法读取，而且无法为它另存备份。\n\n在备份成功之前，保存不会覆盖"
    "这个文件。";
constexpr char kBackupBeforeSaveMessage[] =
    "无法为备忘录文件 %s 另存备份，提醒没有保存，原文件保持不变。";

struct TimeCombo {
    int id;
    int first;
    int last;
};
constexpr TimeCombo kTimeCombos[] = {
    {IDC_REMINDER_MONTH, 1, 12},
    {IDC_REMINDER_DAY, 1, 31},
    {IDC_REMINDER_HOUR, 0, 23},
    {IDC_REMINDER_MINUTE, 0, 59},
};

constexpr char kLunarMonthRefused[] = "“月”须为农历月份：1 到 12，闰月如“闰 4”，请重新选择。";
constexpr char kLunarDayRefused[] = "“日”须为农历日子：初一到三十，请重新选择。";
// The rules for lunar dates a year lacks, on the 农历 box's tip.
constexpr char kLunarRulesTip[] =
    "农历备忘每年在它的农历日子提醒：\r\n"
    "1. 三十日：在只有二十九天的月份里落在二十九日；\r\n"
    "2. 闰月：在有这个闰月的年份落在闰月，没有时落在同一个月份的平月；\r\n"
    "3. 平月：从不落在其后的闰月。";
constexpr char kExportFailed[] = "日历文件写入失败。";
constexpr char kExportFilter[] = "iCalendar 日历文件 (*.ics)|*.ics|所有文件 (*.*)|*.*||";
constexpr char kExportName[] = "备忘录.ics";

// Replaces a combo box's items by GBK texts, in their order, and selects one.
void FillTextCombo(HWND dialog, int id, const std::vector<std::string>& items, int selected) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendTextMessageGbk(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), item.c_str());
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// A tip for one control of the page, with line breaks; it goes with the page.
void AddControlTip(HWND page, int id, const char* text) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tip == nullptr) {
        return;
    }
    std::wstring wide = WideFromGbk(text);
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the common controls
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = page;
    info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(page, id));
    info.lpszText = &wide[0];
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 400);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
}

int ComboOfField(ReminderField field) {
    switch (field) {
    case ReminderField::Month:
        return IDC_REMINDER_MONTH;
    case ReminderField::Day:
        return IDC_REMINDER_DAY;
    case ReminderField::Hour:
        return IDC_REMINDER_HOUR;
    default:
        return IDC_REMINDER_MINUTE;
    }
}

} // namespace

const MessageEntry<MessageHandler<IDD_REMINDER>> IDD_REMINDER::kMessages[] = {
    MapNotification(IDC_REMINDER_ADD, BN_CLICKED, &IDD_REMINDER::OnAdd),
    MapNotification(IDC_REMINDER_DELETE, BN_CLICKED, &IDD_REMINDER::OnDelete),
    MapNotification(IDC_REMINDER_SAVE, BN_CLICKED, &IDD_REMINDER::OnSave),
    MapNotification(IDC_REMINDER_LIST, LBN_SELCHANGE, &IDD_REMINDER::OnShowSelection),
    MapNotification(IDC_REMINDER_TEXT, EN_CHANGE, &IDD_REMINDER::OnTextChanged),
    MapNotification(IDC_REMINDER_FONT, BN_CLICKED, &IDD_REMINDER::OnFont),
    MapNotification(IDC_REMINDER_LUNAR, BN_CLICKED, &IDD_REMINDER::OnLunar),
    MapNotification(IDC_REMINDER_EXPORT, BN_CLICKED, &IDD_REMINDER::OnExport),
    MapMessage(kStartReminderOnMessage, &IDD_REMINDER::OnStartReminderOn),
};

IDD_REMINDER::IDD_REMINDER(ControlState& state) : PropertyPage(DLG_REMINDER_PAGE), state_(state) {}

bool IDD_REMINDER::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL IDD_REMINDER::OnInitDialog() {
    fontChanged_ = false;
    AddControlTip(Window(), IDC_REMINDER_LUNAR, kLunarRulesTip);
    char path[260];
    if (!FilePath(path)) {
        ShowButtons(); // an empty page without a file: nothing to add to or save
        return TRUE;
    }
    std::vector<std::string> records;
    std::vector<std::string> items;
    const ReadCompleteness read = ReadReminderFile(path, &records); // missing: an empty list
    for (const std::string& record : records) {
        items.push_back(GregorianPageItem(record));
    }
    char lunarPath[260] = {};
    ReadCompleteness lunarRead = ReadCompleteness::NoFile;
    if (LunarFilePath(path, lunarPath)) {
        lunarRead = ReadReminderFile(lunarPath, &records);
        for (const std::string& record : records) {
            items.push_back(LunarPageItem(record));
        }
    }
    list_.Open(items);
    saveGuard_.Opened(read);
    lunarSaveGuard_.Opened(lunarRead);
    TellReadOutcome(path, read, saveGuard_);
    TellReadOutcome(lunarPath, lunarRead, lunarSaveGuard_);
    ShowList();
    for (const TimeCombo& combo : kTimeCombos) {
        FillNumberCombo(Window(), combo.id, combo.first, combo.last, "%2d", 0);
    }
    ShowButtons();
    return TRUE;
}

bool IDD_REMINDER::OnAdd(WPARAM, LPARAM, LRESULT&) {
    HWND page = Window();
    std::string item;
    if (IsDlgButtonChecked(page, IDC_REMINDER_LUNAR) == BST_CHECKED) {
        if (!ComposeLunarFromControls(item)) {
            return true;
        }
    } else if (!ComposeGregorianFromControls(item)) {
        return true;
    }
    // Clearing the editor counts as a change of its text; multi-line edit controls do not
    // all report a change made with WM_SETTEXT, so it is counted here.
    SetDlgItemTextGbk(page, IDC_REMINDER_TEXT, "");
    list_.TextChanged();
    list_.Add(item);
    ShowList();
    ShowButtons();
    SetModified(true);
    return true;
}

bool IDD_REMINDER::ComposeGregorianFromControls(std::string& item) {
    HWND page = Window();
    const std::string month = ControlText(page, IDC_REMINDER_MONTH);
    const std::string day = ControlText(page, IDC_REMINDER_DAY);
    const std::string hour = ControlText(page, IDC_REMINDER_HOUR);
    const std::string minute = ControlText(page, IDC_REMINDER_MINUTE);
    ReminderTime time{};
    const ReminderField refused =
        ReadReminderTime(month.c_str(), day.c_str(), hour.c_str(), minute.c_str(), &time);
    if (refused != ReminderField::None) {
        MessageBoxGbk(page, ReminderFieldMessage(refused), kCaption, MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(page, ComboOfField(refused)));
        return false;
    }
    const std::string text = ControlText(page, IDC_REMINDER_TEXT);
    item = GregorianPageItem(ComposeReminderItem(time, text.c_str()));
    return true;
}

bool IDD_REMINDER::ComposeLunarFromControls(std::string& item) {
    HWND page = Window();
    LunarStamp stamp{};
    int refusedCombo = 0;
    const char* message = nullptr;
    ReminderTime time{};
    const std::string hour = DlgItemTextGbk(page, IDC_REMINDER_HOUR);
    const std::string minute = DlgItemTextGbk(page, IDC_REMINDER_MINUTE);
    if (!ParseLunarMonthText(DlgItemTextGbk(page, IDC_REMINDER_MONTH).c_str(), &stamp.month,
                             &stamp.leap)) {
        refusedCombo = IDC_REMINDER_MONTH;
        message = kLunarMonthRefused;
    } else if (!ParseLunarDayText(DlgItemTextGbk(page, IDC_REMINDER_DAY).c_str(), &stamp.day)) {
        refusedCombo = IDC_REMINDER_DAY;
        message = kLunarDayRefused;
    } else {
        const ReminderField refused =
            ReadReminderTime("1", "1", hour.c_str(), minute.c_str(), &time);
        if (refused != ReminderField::None) {
            refusedCombo = ComboOfField(refused);
            message = ReminderFieldMessage(refused);
        }
    }
    if (message != nullptr) {
        MessageBoxGbk(page, message, kCaption, MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(page, refusedCombo));
        return false;
    }
    stamp.hour = time.hour;
    stamp.minute = time.minute;
    const std::string text = ControlText(page, IDC_REMINDER_TEXT);
    item = LunarPageItem(ComposeLunarReminderItem(stamp, text.c_str()));
    return true;
}

bool IDD_REMINDER::OnDelete(WPARAM, LPARAM, LRESULT&) {
    list_.Select(SelectedRow(Window(), IDC_REMINDER_LIST));
    list_.DeleteSelected();
    ShowList();
    ShowButtons();
    SetModified(true);
    return true;
}

bool IDD_REMINDER::OnSave(WPARAM, LPARAM, LRESULT&) {
    SaveReminders();
    return true;
}

bool IDD_REMINDER::SaveReminders() {
    char path[260];
    if (!FilePath(path)) {
        return false;
    }
    std::vector<std::string> records;
    std::vector<std::string> lunarRecords;
    for (const std::string& item : list_.Items()) {
        (IsLunarPageItem(item) ? lunarRecords : records).push_back(RecordOfPageItem(item));
    }
    // The lunar file is written once it has something to hold, or to empty an existing one.
    char lunarPath[260];
    const bool lunarFits = LunarFilePath(path, lunarPath);
    const bool writeLunar =
        lunarFits && (!lunarRecords.empty() || GetFileAttributesW(WideFromGbk(lunarPath).c_str()) !=
                                                   INVALID_FILE_ATTRIBUTES);
    bool saved = false;
    const char* unguarded = !saveGuard_.BeforeSave(path)                           ? path
                            : writeLunar && !lunarSaveGuard_.BeforeSave(lunarPath) ? lunarPath
                                                                                   : nullptr;
    if (unguarded != nullptr) {
        // A file read only in part is never saved over before a copy of it is kept.
        char message[800];
        std::snprintf(message, sizeof message, kBackupBeforeSaveMessage, unguarded);
        MessageBoxGbk(Window(), message, kCaption, MB_OK | MB_ICONEXCLAMATION);
    } else {
        // Each file is replaced only once the new one is complete: a failed save keeps the old.
        saved = WriteReminderFile(path, records);
        if (writeLunar) {
            saved = WriteReminderFile(lunarPath, lunarRecords) && saved;
        } else if (!lunarFits) {
            saved = saved && lunarRecords.empty();
        }
        if (!saved) {
            MessageBoxGbk(Window(), kCreateFailedMessage, kCaption, MB_OKCANCEL);
        }
    }
    if (saved) {
        list_.Saved();
    } else {
        list_.SaveFailed();
    }
    ShowButtons();
    // A font chosen and not yet applied still needs the sheet's Apply.
    SetModified(fontChanged_);
    return saved;
}

void IDD_REMINDER::TellReadOutcome(const char* path, ReadCompleteness read, SaveOverGuard& guard) {
    if (!LosesDataOnSave(read)) {
        return;
    }
    char message[800];
    if (!guard.BeforeSave(path)) {
        std::snprintf(message, sizeof message, kNoBackupMessage, path);
    } else if (read == ReadCompleteness::TooMany) {
        std::snprintf(message, sizeof message, kTooManyMessage, path,
                      static_cast<unsigned>(kAppMaxFileItems), guard.BackupPath());
    } else {
        std::snprintf(message, sizeof message, kPartlyReadMessage, path, guard.BackupPath());
    }
    MessageBoxGbk(Window(), message, kCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool IDD_REMINDER::OnShowSelection(WPARAM, LPARAM, LRESULT&) {
    list_.Select(SelectedRow(Window(), IDC_REMINDER_LIST));
    if (list_.Selection() != ReminderList::kNoSelection) {
        const std::string text = PageItemText(list_.Items()[list_.Selection()]);
        SetDlgItemTextGbk(Window(), IDC_REMINDER_TEXT, text.c_str());
        LRESULT ignored = 0;
        OnTextChanged(0, 0, ignored); // showing a text counts as a change of it
    }
    return true;
}

bool IDD_REMINDER::OnTextChanged(WPARAM, LPARAM, LRESULT&) {
    list_.TextChanged();
    ShowButtons();
    SetModified(true);
    return true;
}

bool IDD_REMINDER::OnFont(WPARAM, LPARAM, LRESULT&) {
    if (PickFont(Window(), &font_)) {
        fontChanged_ = true;
        SetModified(true);
    } else {
        fontChanged_ = false; // a font chosen earlier and not applied is dropped
    }
    return true;
}

bool IDD_REMINDER::OnLunar(WPARAM, LPARAM, LRESULT&) {
    FillDateCombos(IsDlgButtonChecked(Window(), IDC_REMINDER_LUNAR) == BST_CHECKED);
    return true;
}

void IDD_REMINDER::FillDateCombos(bool lunar) {
    HWND page = Window();
    const int monthRow = SelectedRow(page, IDC_REMINDER_MONTH);
    const int dayRow = SelectedRow(page, IDC_REMINDER_DAY);
    if (!lunar) {
        // Back from the lunar list: the month of the chosen row, the same day.
        int month = 1;
        bool leap = false;
        ParseLunarMonthText(DlgItemTextGbk(page, IDC_REMINDER_MONTH).c_str(), &month, &leap);
        FillNumberCombo(page, IDC_REMINDER_MONTH, 1, 12, "%2d", monthRow < 0 ? 0 : month - 1);
        FillNumberCombo(page, IDC_REMINDER_DAY, 1, 31, "%2d", dayRow < 0 ? 0 : dayRow);
        return;
    }
    const std::vector<LunarMonthChoice> choices = LunarMonthChoices();
    std::vector<std::string> months;
    int selected = 0;
    for (const LunarMonthChoice& choice : choices) {
        if (!choice.leap && choice.month == monthRow + 1) {
            selected = static_cast<int>(months.size());
        }
        months.push_back(choice.text);
    }
    int lunarDay = dayRow < 0 ? 0 : (dayRow > 29 ? 29 : dayRow);
    if (started_ && monthRow == start_.month && dayRow == start_.day) {
        selected = start_.lunarMonth; // the day picked on the desktop, as a lunar date
        lunarDay = start_.lunarDay;
    }
    FillTextCombo(page, IDC_REMINDER_MONTH, months, selected);
    FillTextCombo(page, IDC_REMINDER_DAY, LunarDayChoices(), lunarDay);
}

bool IDD_REMINDER::OnStartReminderOn(WPARAM wParam, LPARAM, LRESULT& result) {
    result = 0;
    CivilDate date{};
    ReminderStartRows rows{};
    if (!UnpackDateParam(wParam, date) || !ReminderStartOn(date.year, date.month, date.day, rows)) {
        return true;
    }
    HWND page = Window();
    start_ = rows;
    started_ = true;
    CheckDlgButton(page, IDC_REMINDER_LUNAR, BST_UNCHECKED);
    FillNumberCombo(page, IDC_REMINDER_MONTH, 1, 12, "%2d", rows.month);
    FillNumberCombo(page, IDC_REMINDER_DAY, 1, 31, "%2d", rows.day);
    SendMessageW(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(page, IDC_REMINDER_TEXT)),
                 TRUE);
    return true;
}

bool IDD_REMINDER::OnExport(WPARAM, LPARAM, LRESULT&) {
    HWND page = Window();
    SaveFileDialog dialog(
        "ics", kExportFilter,
        OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, kExportName);
    if (!dialog.DoModal(page)) {
        return true;
    }
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    const ExportSources sources = GatherExportSources(list_.Items(), hkcu, exePath);

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
        MessageBoxGbk(page, kExportFailed, kCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    return true;
}

bool IDD_REMINDER::OnApply() {
    PageContext apply(state_, Window());
    ApplyReminderPage(apply.context, fontChanged_, font_);
    return true;
}

bool IDD_REMINDER::FilePath(char (&path)[260]) {
    // A path that GBK cannot hold exactly, or that does not fit, has no folder to trust.
    char exePath[kPathCapacity] = {};
    if (ModulePathGbk(nullptr, exePath, sizeof exePath) != GbkFit::kOk ||
        !ReminderPagePath(exePath, path, sizeof path)) {
        MessageBoxGbk(Window(), kNoFolderMessage, kCaption, MB_OKCANCEL);
        return false;
    }
    return true;
}

bool IDD_REMINDER::LunarFilePath(const char (&path)[260], char (&lunarPath)[260]) {
    char folder[260];
    return FolderOfPath(path, folder) && JoinPath(folder, kLunarReminderFileName, lunarPath);
}

void IDD_REMINDER::ShowList() {
    std::vector<std::string> shown;
    for (const std::string& item : list_.Items()) {
        shown.push_back(PageItemDisplay(item));
    }
    ShowListItems(Window(), IDC_REMINDER_LIST, shown, list_.Selection());
}

void IDD_REMINDER::ShowButtons() {
    const ReminderButtons& buttons = list_.Buttons();
    EnableControl(Window(), IDC_REMINDER_ADD, buttons.add);
    EnableControl(Window(), IDC_REMINDER_DELETE, buttons.remove);
    EnableControl(Window(), IDC_REMINDER_SAVE, buttons.save);
}

} // namespace luna
