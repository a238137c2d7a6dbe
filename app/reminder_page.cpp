#include "app/reminder_page.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/editor_controls.h"
#include "app/logic/reminder_apply.h"
#include "app/logic/reminder_item.h"
#include "shared/win32/wide_text.h"
#include "app/res/reminder_page_ids.h"
#include "app/sheet_font_picker.h"
#include "app/sheet_page_context.h"
#include "shared/rem_files.h"

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
};

IDD_REMINDER::IDD_REMINDER(ControlState& state) : PropertyPage(DLG_REMINDER_PAGE), state_(state) {}

bool IDD_REMINDER::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL IDD_REMINDER::OnInitDialog() {
    fontChanged_ = false;
    char path[260];
    if (!FilePath(path)) {
        ShowButtons(); // an empty page without a file: nothing to add to or save
        return TRUE;
    }
    std::vector<std::string> items;
    const ReadCompleteness read = ReadReminderFile(path, &items); // missing: an empty list
    list_.Open(items);
    saveGuard_.Opened(read);
    TellReadOutcome(path, read);
    ShowList();
    for (const TimeCombo& combo : kTimeCombos) {
        FillNumberCombo(Window(), combo.id, combo.first, combo.last, "%2d", 0);
    }
    ShowButtons();
    return TRUE;
}

bool IDD_REMINDER::OnAdd(WPARAM, LPARAM, LRESULT&) {
    HWND page = Window();
    const std::string month = ControlText(page, IDC_REMINDER_MONTH);
    const std::string day = ControlText(page, IDC_REMINDER_DAY);
    const std::string hour = ControlText(page, IDC_REMINDER_HOUR);
    const std::string minute = ControlText(page, IDC_REMINDER_MINUTE);
    ReminderTime time{};
    const ReminderField refused =
        ReadReminderTime(month.c_str(), day.c_str(), hour.c_str(), minute.c_str(), &time);
    if (refused != ReminderField::None) {
        MessageBoxA(page, ReminderFieldMessage(refused), kCaption, MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(page, ComboOfField(refused)));
        return true;
    }
    const std::string text = ControlText(page, IDC_REMINDER_TEXT);
    const std::string item = ComposeReminderItem(time, text.c_str());
    // Clearing the editor counts as a change of its text; multi-line edit controls do not
    // all report a change made with WM_SETTEXT, so it is counted here.
    SetDlgItemTextA(page, IDC_REMINDER_TEXT, "");
    list_.TextChanged();
    list_.Add(item);
    ShowList();
    ShowButtons();
    SetModified(true);
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
    bool saved = false;
    if (!saveGuard_.BeforeSave(path)) {
        // A file read only in part is never saved over before a copy of it is kept.
        char message[800];
        std::snprintf(message, sizeof message, kBackupBeforeSaveMessage, path);
        MessageBoxGbk(Window(), message, kCaption, MB_OK | MB_ICONEXCLAMATION);
    } else if (WriteReminderFile(path, list_.Items())) {
        // The file is replaced only once the new one is complete: a failed save keeps the old.
        saved = true;
    } else {
        MessageBoxA(Window(), kCreateFailedMessage, kCaption, MB_OKCANCEL);
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

void IDD_REMINDER::TellReadOutcome(const char* path, ReadCompleteness read) {
    if (!LosesDataOnSave(read)) {
        return;
    }
    char message[800];
    if (!saveGuard_.BeforeSave(path)) {
        std::snprintf(message, sizeof message, kNoBackupMessage, path);
    } else if (read == ReadCompleteness::TooMany) {
        std::snprintf(message, sizeof message, kTooManyMessage, path,
                      static_cast<unsigned>(kAppMaxFileItems), saveGuard_.BackupPath());
    } else {
        std::snprintf(message, sizeof message, kPartlyReadMessage, path, saveGuard_.BackupPath());
    }
    MessageBoxGbk(Window(), message, kCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool IDD_REMINDER::OnShowSelection(WPARAM, LPARAM, LRESULT&) {
    list_.Select(SelectedRow(Window(), IDC_REMINDER_LIST));
    if (list_.Selection() != ReminderList::kNoSelection) {
        const std::string text = ReminderTextOf(list_.Items()[list_.Selection()]);
        SetDlgItemTextA(Window(), IDC_REMINDER_TEXT, text.c_str());
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

bool IDD_REMINDER::OnApply() {
    PageContext apply(state_, Window());
    ApplyReminderPage(apply.context, fontChanged_, font_);
    return true;
}

bool IDD_REMINDER::FilePath(char (&path)[260]) {
    char exePath[261] = {};
    const DWORD length = GetModuleFileNameA(nullptr, exePath, 260);
    // A path that filled the buffer may have been cut: its folder cannot be trusted.
    if (length == 0 || length >= 260 || !ReminderPagePath(exePath, path, sizeof path)) {
        MessageBoxA(Window(), kNoFolderMessage, kCaption, MB_OKCANCEL);
        return false;
    }
    return true;
}

void IDD_REMINDER::ShowList() {
    ShowListItems(Window(), IDC_REMINDER_LIST, list_.Items(), list_.Selection());
}

void IDD_REMINDER::ShowButtons() {
    const ReminderButtons& buttons = list_.Buttons();
    EnableControl(Window(), IDC_REMINDER_ADD, buttons.add);
    EnableControl(Window(), IDC_REMINDER_DELETE, buttons.remove);
    EnableControl(Window(), IDC_REMINDER_SAVE, buttons.save);
}

} // namespace luna
