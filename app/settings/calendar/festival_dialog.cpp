#include "app/settings/calendar/festival_dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/settings/editor_controls.h"
#include "app/exe_path.h"
#include "shared/win32/wide_text.h"
#include "app/logic/festival_item.h"
#include "app/settings/calendar/festival_dialog_ids.h"
#include "shared/path_rules.h"
#include "shared/registry_layout.h"
#include "shared/rem_files.h"
#include "shared/settings_registry.h"
#include "shared/win32/win_registry.h"

namespace luna {

namespace {

using Handler = MessageHandler<FestivalDialog>;

// The reminder page's words for a file that could not be written.
constexpr char kSaveFailedMessage[] = "File Create error!";
constexpr char kPartlyReadMessage[] =
    "节日文件 %s 有一部分无法读取，列表中只有读出的节日。\n\n原文件已另存为 %s。";
constexpr char kNoBackupMessage[] =
    "节日文件 %s 有一部分无法读取，而且无法为它另存备份。\n\n在备份成功之前，保存不会覆盖"
    "这个文件。";

std::vector<std::string> ReadFestivalItems(HWND dialog, const char* path, SaveOverGuard& guard) {
    std::vector<std::string> records;
    std::vector<std::string> items;
    const ReadCompleteness read = ReadFestivalFile(path, &records);
    for (const std::string& record : records) {
        items.push_back(FestivalItemFromRecord(record.c_str()));
    }
    guard.Opened(read);
    if (LosesDataOnSave(read)) {
        char message[800];
        if (guard.BeforeSave(path)) {
            std::snprintf(message, sizeof message, kPartlyReadMessage, path, guard.BackupPath());
        } else {
            std::snprintf(message, sizeof message, kNoBackupMessage, path);
        }
        MessageBoxGbk(dialog, message, kPageMessageCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    return items;
}

} // namespace

FestivalDialog::FestivalDialog(HWND parent) : Dialog(DLG_FESTIVAL, parent) {}

bool FestivalDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const MessageEntry<Handler> kTable[] = {
        MapNotification<Handler>(IDC_FESTIVAL_ADD, BN_CLICKED, &FestivalDialog::OnAdd),
        MapNotification<Handler>(IDC_FESTIVAL_DELETE, BN_CLICKED, &FestivalDialog::OnDelete),
        MapNotification<Handler>(IDC_FESTIVAL_SAVE, BN_CLICKED, &FestivalDialog::OnSave),
        MapNotification<Handler>(IDC_FESTIVAL_EXIT, BN_CLICKED, &FestivalDialog::OnExit),
        MapNotification<Handler>(IDC_FESTIVAL_TEXT, EN_CHANGE,
                                 &FestivalDialog::OnDateOrTextChanged),
        MapNotification<Handler>(IDC_FESTIVAL_MONTH, CBN_SELCHANGE,
                                 &FestivalDialog::OnDateOrTextChanged),
        MapNotification<Handler>(IDC_FESTIVAL_DAY, CBN_SELCHANGE,
                                 &FestivalDialog::OnDateOrTextChanged),
    };
    return DispatchTable(*this, kTable, message, wParam, lParam, result);
}

BOOL FestivalDialog::OnInitDialog() {
    HWND dialog = Window();
    FillNumberCombo(dialog, IDC_FESTIVAL_MONTH, 1, 12, "%2d", 0);
    FillNumberCombo(dialog, IDC_FESTIVAL_DAY, 1, 31, "%2d", 0);
    CheckDlgButton(dialog, IDC_FESTIVAL_SOLAR_CHECK, BST_CHECKED);
    CheckDlgButton(dialog, IDC_FESTIVAL_LUNAR_CHECK, BST_UNCHECKED);
    FestivalFiles(FileMode::Load);
    ShowLists();
    ShowButtons();
    return TRUE;
}

bool FestivalDialog::OnAdd(WPARAM, LPARAM, LRESULT&) {
    HWND dialog = Window();
    const int monthRow = SelectedRow(dialog, IDC_FESTIVAL_MONTH);
    const int dayRow = SelectedRow(dialog, IDC_FESTIVAL_DAY);
    if (monthRow < 0 || dayRow < 0) {
        return true; // the drop-down lists always hold a selection
    }
    const std::string text = ControlText(dialog, IDC_FESTIVAL_TEXT);
    TakeSelections();
    lists_.Add(ComposeFestivalItem(monthRow + 1, dayRow + 1, text.c_str()), TickedLists());
    ShowLists();
    ShowButtons();
    return true;
}

bool FestivalDialog::OnDelete(WPARAM, LPARAM, LRESULT&) {
    TakeSelections();
    lists_.DeleteSelected(TickedLists());
    ShowLists();
    ShowButtons();
    return true;
}

bool FestivalDialog::OnSave(WPARAM, LPARAM, LRESULT&) {
    if (FestivalFiles(FileMode::Save)) {
        lists_.Saved();
    } else {
        // Said plainly; Save stays on so that the user can try again.
        MessageBoxGbk(Window(), kSaveFailedMessage, kPageMessageCaption,
                      MB_OK | MB_ICONEXCLAMATION);
    }
    ShowButtons();
    return true;
}

bool FestivalDialog::OnExit(WPARAM, LPARAM, LRESULT&) {
    OnOK();
    return true;
}

bool FestivalDialog::OnDateOrTextChanged(WPARAM, LPARAM, LRESULT&) {
    lists_.DateOrTextChanged();
    ShowButtons();
    return true;
}

bool FestivalDialog::FestivalFiles(FileMode mode) {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    char folder[kPathCapacity] = {};
    if (!DataFilesFolder(hkcu, exePath, folder)) {
        return false;
    }
    char solarPath[kPathCapacity] = {};
    char lunarPath[kPathCapacity] = {};
    const bool solarFits = JoinPath(folder, kSolarFileName, solarPath);
    const bool lunarFits = JoinPath(folder, kLunarFileName, lunarPath);
    if (mode == FileMode::Load) {
        lists_.Open(solarFits ? ReadFestivalItems(Window(), solarPath, solarGuard_)
                              : std::vector<std::string>(),
                    lunarFits ? ReadFestivalItems(Window(), lunarPath, lunarGuard_)
                              : std::vector<std::string>());
        return true;
    }
    // A file that cannot be written keeps its previous content; the other is still saved.
    bool saved = solarFits && solarGuard_.BeforeSave(solarPath) &&
                 WriteFestivalFile(solarPath, lists_.Items(FestivalCalendar::Solar));
    saved = lunarFits && lunarGuard_.BeforeSave(lunarPath) &&
            WriteFestivalFile(lunarPath, lists_.Items(FestivalCalendar::Lunar)) && saved;
    return saved;
}

FestivalTargets FestivalDialog::TickedLists() const {
    FestivalTargets targets;
    targets.solar = IsDlgButtonChecked(Window(), IDC_FESTIVAL_SOLAR_CHECK) == BST_CHECKED;
    targets.lunar = IsDlgButtonChecked(Window(), IDC_FESTIVAL_LUNAR_CHECK) == BST_CHECKED;
    return targets;
}

void FestivalDialog::TakeSelections() {
    lists_.Select(FestivalCalendar::Solar, SelectedRow(Window(), IDC_FESTIVAL_SOLAR_LIST));
    lists_.Select(FestivalCalendar::Lunar, SelectedRow(Window(), IDC_FESTIVAL_LUNAR_LIST));
}

void FestivalDialog::ShowLists() {
    ShowListItems(Window(), IDC_FESTIVAL_SOLAR_LIST, lists_.Items(FestivalCalendar::Solar),
                  lists_.Selection(FestivalCalendar::Solar));
    ShowListItems(Window(), IDC_FESTIVAL_LUNAR_LIST, lists_.Items(FestivalCalendar::Lunar),
                  lists_.Selection(FestivalCalendar::Lunar));
}

void FestivalDialog::ShowButtons() {
    EnableControl(Window(), IDC_FESTIVAL_ADD, lists_.Buttons().add);
    EnableControl(Window(), IDC_FESTIVAL_SAVE, lists_.Buttons().save);
    EnableControl(Window(), IDC_FESTIVAL_DELETE, true);
}

} // namespace luna
