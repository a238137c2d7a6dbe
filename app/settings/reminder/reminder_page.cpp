#include "app/settings/reminder/reminder_page.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/exe_path.h"
#include "app/settings/reminder/calendar_export.h"
#include "app/settings/editor_controls.h"
#include "app/settings/reminder/reminder_date_controls.h"
#include "app/logic/lunar_reminder_item.h"
#include "app/logic/reminder_apply.h"
#include "app/logic/reminder_item.h"
#include "shared/win32/wide_text.h"
#include "app/settings/reminder/reminder_page_ids.h"
#include "app/settings/sheet_font_picker.h"
#include "app/settings/shell_link.h"
#include "calendar/lunar.h"
#include "shared/date_param.h"
#include "shared/lunar_reminder_file.h"
#include "shared/path_rules.h"
#include "shared/rem_files.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

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

// The rules for lunar dates a year lacks, on the 农历 box's tip.
constexpr char kLunarRulesTip[] =
    "农历备忘每年在它的农历日子提醒：\r\n"
    "1. 三十日：在只有二十九天的月份里落在二十九日；\r\n"
    "2. 闰月：在有这个闰月的年份落在闰月，没有时落在同一个月份的平月；\r\n"
    "3. 平月：从不落在其后的闰月。";

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

} // namespace

const MessageEntry<MessageHandler<ReminderPage>> ReminderPage::kMessages[] = {
    MapNotification(IDC_REMINDER_ADD, BN_CLICKED, &ReminderPage::OnAdd),
    MapNotification(IDC_REMINDER_DELETE, BN_CLICKED, &ReminderPage::OnDelete),
    MapNotification(IDC_REMINDER_SAVE, BN_CLICKED, &ReminderPage::OnSave),
    MapNotification(IDC_REMINDER_LIST, LBN_SELCHANGE, &ReminderPage::OnShowSelection),
    MapNotification(IDC_REMINDER_TEXT, EN_CHANGE, &ReminderPage::OnTextChanged),
    MapNotification(IDC_REMINDER_FONT, BN_CLICKED, &ReminderPage::OnFont),
    MapNotification(IDC_REMINDER_LUNAR, BN_CLICKED, &ReminderPage::OnLunar),
    MapNotification(IDC_REMINDER_EXPORT, BN_CLICKED, &ReminderPage::OnExport),
    MapMessage(kStartReminderOnMessage, &ReminderPage::OnStartReminderOn),
};

ReminderPage::ReminderPage(ControlState& state) : PropertyPage(DLG_REMINDER_PAGE), state_(state) {}

bool ReminderPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL ReminderPage::OnInitDialog() {
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
    FillReminderTimeCombos(Window());
    ShowButtons();
    return TRUE;
}

bool ReminderPage::OnAdd(WPARAM, LPARAM, LRESULT&) {
    HWND page = Window();
    std::string item;
    if (!ComposeReminderFromControls(page, item)) {
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

bool ReminderPage::OnDelete(WPARAM, LPARAM, LRESULT&) {
    list_.Select(SelectedRow(Window(), IDC_REMINDER_LIST));
    list_.DeleteSelected();
    ShowList();
    ShowButtons();
    SetModified(true);
    return true;
}

bool ReminderPage::OnSave(WPARAM, LPARAM, LRESULT&) {
    SaveReminders();
    return true;
}

bool ReminderPage::SaveReminders() {
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
        MessageBoxGbk(Window(), message, kPageMessageCaption, MB_OK | MB_ICONEXCLAMATION);
    } else {
        // Each file is replaced only once the new one is complete: a failed save keeps the old.
        saved = WriteReminderFile(path, records);
        if (writeLunar) {
            saved = WriteReminderFile(lunarPath, lunarRecords) && saved;
        } else if (!lunarFits) {
            saved = saved && lunarRecords.empty();
        }
        if (!saved) {
            MessageBoxGbk(Window(), kCreateFailedMessage, kPageMessageCaption, MB_OKCANCEL);
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

void ReminderPage::TellReadOutcome(const char* path, ReadCompleteness read, SaveOverGuard& guard) {
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
    MessageBoxGbk(Window(), message, kPageMessageCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool ReminderPage::OnShowSelection(WPARAM, LPARAM, LRESULT&) {
    list_.Select(SelectedRow(Window(), IDC_REMINDER_LIST));
    if (list_.Selection() != ReminderList::kNoSelection) {
        const std::string text = PageItemText(list_.Items()[list_.Selection()]);
        SetDlgItemTextGbk(Window(), IDC_REMINDER_TEXT, text.c_str());
        LRESULT ignored = 0;
        OnTextChanged(0, 0, ignored); // showing a text counts as a change of it
    }
    return true;
}

bool ReminderPage::OnTextChanged(WPARAM, LPARAM, LRESULT&) {
    list_.TextChanged();
    ShowButtons();
    SetModified(true);
    return true;
}

bool ReminderPage::OnFont(WPARAM, LPARAM, LRESULT&) {
    if (PickFont(Window(), &font_)) {
        fontChanged_ = true;
        SetModified(true);
    } else {
        fontChanged_ = false; // a font chosen earlier and not applied is dropped
    }
    return true;
}

bool ReminderPage::OnLunar(WPARAM, LPARAM, LRESULT&) {
    FillReminderDateCombos(Window(),
                           IsDlgButtonChecked(Window(), IDC_REMINDER_LUNAR) == BST_CHECKED,
                           started_ ? &start_ : nullptr);
    return true;
}

bool ReminderPage::OnStartReminderOn(WPARAM wParam, LPARAM, LRESULT& result) {
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

bool ReminderPage::OnExport(WPARAM, LPARAM, LRESULT&) {
    ExportToCalendarFile(Window(), list_.Items(), kPageMessageCaption);
    return true;
}

bool ReminderPage::OnApply() {
    PageContext apply(state_, Window());
    ApplyReminderPage(apply.context, fontChanged_, font_);
    return true;
}

bool ReminderPage::FilePath(char (&path)[260]) {
    // A path that GBK cannot hold exactly, or that does not fit, has no folder to trust.
    char exePath[kPathCapacity] = {};
    if (ModulePathGbk(nullptr, exePath, sizeof exePath) != GbkFit::kOk ||
        !ReminderPagePath(exePath, path, sizeof path)) {
        MessageBoxGbk(Window(), kNoFolderMessage, kPageMessageCaption, MB_OKCANCEL);
        return false;
    }
    return true;
}

bool ReminderPage::LunarFilePath(const char (&path)[260], char (&lunarPath)[260]) {
    char folder[260];
    return FolderOfPath(path, folder) && JoinPath(folder, kLunarReminderFileName, lunarPath);
}

void ReminderPage::ShowList() {
    std::vector<std::string> shown;
    for (const std::string& item : list_.Items()) {
        shown.push_back(PageItemDisplay(item));
    }
    ShowListItems(Window(), IDC_REMINDER_LIST, shown, list_.Selection());
}

void ReminderPage::ShowButtons() {
    const ReminderButtons& buttons = list_.Buttons();
    EnableControl(Window(), IDC_REMINDER_ADD, buttons.add);
    EnableControl(Window(), IDC_REMINDER_DELETE, buttons.remove);
    EnableControl(Window(), IDC_REMINDER_SAVE, buttons.save);
}

} // namespace luna
