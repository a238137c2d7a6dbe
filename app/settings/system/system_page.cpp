#include "app/settings/system/system_page.h"

#include "app/exe_path.h"
#include "app/framework/color_dialog.h"
#include "app/framework/file_dialog.h"
#include "shared/win32/wide_text.h"
#include "app/settings/system/system_page_ids.h"
#include "app/settings/sheet_controls.h"
#include "app/settings/shell_link.h"
#include "shared/win32/picture_decode.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kBitmapExtension[] = "jpg";
constexpr char kBitmapFilter[] =
    "图片 (*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*."
    "tiff|所有文件 (*.*)|*.*||";

// The placements in the order Windows lists them, with what each stores.
struct FitEntry {
    const char* name;
    PictureFit fit;
};
constexpr FitEntry kFits[] = {{"填充", PictureFit::Fill},
                              {"适应", PictureFit::Fit},
                              {"拉伸", PictureFit::Stretch},
                              {"居中", PictureFit::Center},
                              {"平铺", PictureFit::Tile}};
constexpr char kCaption[] = "lunavis";
constexpr char kPathUnrepresentableMessage[] =
    "图片的路径含有无法保存的字符，请把图片放到其他文件夹后再选择。";
constexpr char kPathTooLongMessage[] = "图片的路径太长，请把图片放到其他文件夹后再选择。";

constexpr char kNoPathMessage[] =
    "无法设为开机运行：程序所在的路径太长，或者含有简体中文（GBK）无法表示的字符。\n\n请把程序"
    "放到只含中文、英文字母和数字的文件夹中，再试一次。";
constexpr char kWriteFailedMessage[] =
    "无法更改开机运行设置：写入注册表 "
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run "
    "失败。\n\n“开机运行”显示的是现在真正保存的设置。";
constexpr char kMachineKeyMessage[] =
    "本程序还登记在所有用户共用的启动项中：\n"
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run 的值 "
    "DeskTop。\n\n当前账户无权删除它，所以程序仍会开机运行。请用管理员账户删除这个值。";
constexpr char kPowerOffRefusedMessage[] =
    "本次运行中的定时关机已经执行过，但系统拒绝了关机。\n\n定时关机在本次运行中不会再执行；"
    "请重新启动本程序后再设定。";

int SelectedIndex(HWND page, int id) {
    return static_cast<int>(SendDlgItemMessageW(page, id, LB_GETCURSEL, 0, 0));
}

} // namespace

const MessageEntry<MessageHandler<SystemPage>> SystemPage::kMessages[] = {
    MapNotification(IDC_SYSTEM_CLEAR, BN_CLICKED, &SystemPage::OnClear),
    MapNotification(IDC_SYSTEM_BITMAP, BN_CLICKED, &SystemPage::OnBitmap),
    MapNotification(IDC_SYSTEM_AUTOSTART, BN_CLICKED, &SystemPage::OnChanged),
    MapNotification(IDC_SYSTEM_SHUTDOWN, BN_CLICKED, &SystemPage::OnShutdown),
    MapNotification(IDC_SYSTEM_HOURS, LBN_SELCHANGE, &SystemPage::OnShutdownTime),
    MapNotification(IDC_SYSTEM_MINUTES, LBN_SELCHANGE, &SystemPage::OnShutdownTime),
    MapNotification(IDC_SYSTEM_STYLE_PICTURE, BN_CLICKED, &SystemPage::OnChanged),
    MapNotification(IDC_SYSTEM_STYLE_GRADIENT, BN_CLICKED, &SystemPage::OnChanged),
    MapNotification(IDC_SYSTEM_STYLE_SOLID, BN_CLICKED, &SystemPage::OnSolidColor),
    MapNotification(IDC_SYSTEM_STYLE_RANDOM, BN_CLICKED, &SystemPage::OnChanged),
    MapNotification(IDC_SYSTEM_FIT, CBN_SELCHANGE, &SystemPage::OnChanged),
};

SystemPage::SystemPage(ControlState& state) : PropertyPage(DLG_SYSTEM_PAGE), state_(state) {}

bool SystemPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

// Entries are inserted at their index, so the list's order is the numbers' order whatever
// collation its sorting uses.
void SystemPage::FillNumberList(int id, int count, int selected, bool shown) {
    for (int number = 0; number < count; ++number) {
        char text[4];
        FormatListNumber(number, text);
        SendTextMessageGbk(GetDlgItem(Window(), id), LB_INSERTSTRING, static_cast<WPARAM>(number),
                           text);
    }
    SendDlgItemMessageW(Window(), id, LB_SETCURSEL, selected, 0);
    ShowPageControl(Window(), id, shown);
}

BOOL SystemPage::OnInitDialog() {
    HWND page = Window();
    page_ = SystemStateFromSettings(state_.settings);
    page_.powerOffRefused = state_.powerOffRefused;
    const SystemPageControls c = SystemControlsFromSettings(state_.settings);
    // The box shows what really starts this program: a Run value of the user or machine.
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    WinRegistry user(HKEY_CURRENT_USER);
    WinRegistry machine(HKEY_LOCAL_MACHINE);
    SetTicked(page, IDC_SYSTEM_AUTOSTART, ReadAutostart(user, machine, exePath).On());
    // An armed shutdown shows ticked, with its time.
    SetTicked(page, IDC_SYSTEM_SHUTDOWN, c.shutdown);
    FillNumberList(IDC_SYSTEM_HOURS, kShutdownHours, c.hourIndex, c.shutdown);
    FillNumberList(IDC_SYSTEM_MINUTES, kShutdownMinutes, c.minuteIndex, c.shutdown);
    page_.storedFit = state_.pictureFit;
    HWND fits = GetDlgItem(page, IDC_SYSTEM_FIT);
    for (const FitEntry& entry : kFits) {
        const auto index = SendTextMessageGbk(fits, CB_ADDSTRING, 0, entry.name);
        SendMessageW(fits, CB_SETITEMDATA, index, static_cast<LPARAM>(entry.fit));
        if (entry.fit == page_.storedFit) {
            SendMessageW(fits, CB_SETCURSEL, index, 0);
        }
    }
    switch (c.style) {
    case DesktopStyleButton::Random:
        SetTicked(page, IDC_SYSTEM_STYLE_RANDOM, true);
        break;
    case DesktopStyleButton::Solid:
        SetTicked(page, IDC_SYSTEM_STYLE_SOLID, true);
        break;
    case DesktopStyleButton::Gradient:
        SetTicked(page, IDC_SYSTEM_STYLE_GRADIENT, true);
        break;
    default:
        SetTicked(page, IDC_SYSTEM_STYLE_PICTURE, true);
        break;
    }
    return TRUE;
}

bool SystemPage::OnChanged(WPARAM, LPARAM, LRESULT&) {
    SetModified(true);
    return true;
}

bool SystemPage::OnShutdown(WPARAM, LPARAM, LRESULT&) {
    const bool armed = IsTicked(Window(), IDC_SYSTEM_SHUTDOWN);
    ShowPageControl(Window(), IDC_SYSTEM_HOURS, armed);
    ShowPageControl(Window(), IDC_SYSTEM_MINUTES, armed);
    page_.shutdownChanged = true;
    SetModified(true);
    return true;
}

bool SystemPage::OnShutdownTime(WPARAM, LPARAM, LRESULT&) {
    page_.shutdownChanged = true;
    SetModified(true);
    return true;
}

bool SystemPage::OnSolidColor(WPARAM, LPARAM, LRESULT&) {
    ColorDialog dialog(0, CC_FULLOPEN);
    if (dialog.DoModal(Window())) {
        page_.pendingBackColor = dialog.Color();
        SetModified(true);
    } else {
        SetTicked(Window(), IDC_SYSTEM_STYLE_SOLID, false);
        SetTicked(Window(), IDC_SYSTEM_STYLE_PICTURE, true);
    }
    return true;
}

bool SystemPage::OnBitmap(WPARAM, LPARAM, LRESULT&) {
    OpenFileDialog dialog(kBitmapExtension, kBitmapFilter, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (!dialog.DoModal(Window())) {
        return true;
    }
    // BackImage is stored as GBK: a path it cannot hold exactly is refused, never mangled.
    char path[kPathCapacity];
    switch (StoreExactGbk(dialog.Path(), path)) {
    case GbkFit::kOk:
        // A picture the desktop could not show is refused now, with the reason.
        if (const char* refusal = PictureRefusalMessage(CheckPictureFile(path))) {
            MessageBoxGbk(Window(), refusal, kCaption, MB_OK | MB_ICONEXCLAMATION);
        } else if (ChooseBackImage(page_, path)) {
            SetModified(true);
        }
        break;
    case GbkFit::kUnrepresentable:
        MessageBoxGbk(Window(), kPathUnrepresentableMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
        break;
    case GbkFit::kTooLong:
        MessageBoxGbk(Window(), kPathTooLongMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
        break;
    }
    return true;
}

bool SystemPage::OnClear(WPARAM, LPARAM, LRESULT&) {
    PageContext clear(state_, Window());
    WinRegistry machine(HKEY_LOCAL_MACHINE);
    ClearStoredSettings(clear.context, machine, SleepMilliseconds);
    SetModified(false);
    return true;
}

SystemPageControls SystemPage::ReadControls() const {
    HWND page = Window();
    SystemPageControls c;
    c.autoStart = IsTicked(page, IDC_SYSTEM_AUTOSTART);
    c.shutdown = IsTicked(page, IDC_SYSTEM_SHUTDOWN);
    c.hourIndex = SelectedIndex(page, IDC_SYSTEM_HOURS);
    c.minuteIndex = SelectedIndex(page, IDC_SYSTEM_MINUTES);
    if (IsTicked(page, IDC_SYSTEM_STYLE_PICTURE)) {
        c.style = DesktopStyleButton::Picture;
    } else if (IsTicked(page, IDC_SYSTEM_STYLE_GRADIENT)) {
        c.style = DesktopStyleButton::Gradient;
    } else if (IsTicked(page, IDC_SYSTEM_STYLE_SOLID)) {
        c.style = DesktopStyleButton::Solid;
    } else if (IsTicked(page, IDC_SYSTEM_STYLE_RANDOM)) {
        c.style = DesktopStyleButton::Random;
    }
    const LRESULT fit = SendDlgItemMessageW(page, IDC_SYSTEM_FIT, CB_GETCURSEL, 0, 0);
    if (fit != CB_ERR) {
        c.fit = static_cast<int>(SendDlgItemMessageW(page, IDC_SYSTEM_FIT, CB_GETITEMDATA, fit, 0));
    }
    return c;
}

bool SystemPage::OnApply() {
    PageContext apply(state_, Window());
    WinRegistry machine(HKEY_LOCAL_MACHINE);
    char exePath[kPathCapacity];
    ExecutablePathGbk(exePath);
    TellApplyOutcome(ApplySystemPage(apply.context, machine, exePath, page_, ReadControls()));
    state_.pictureFit = page_.storedFit;
    return true;
}

// The box shows what is stored now, and the user hears about whatever did not happen.
void SystemPage::TellApplyOutcome(const SystemApplyOutcome& outcome) {
    const char* message = nullptr;
    switch (outcome.autoStart) {
    case AutostartOutcome::NoPath:
        message = kNoPathMessage;
        break;
    case AutostartOutcome::WriteFailed:
        message = kWriteFailedMessage;
        break;
    case AutostartOutcome::MachineKeyKept:
        message = kMachineKeyMessage;
        break;
    default:
        break;
    }
    if (!state_.registryCleared) {
        SetTicked(Window(), IDC_SYSTEM_AUTOSTART, state_.settings.autoStart != 0);
    }
    if (message != nullptr) {
        MessageBoxGbk(Window(), message, kPageMessageCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    if (outcome.shutdownNotArmed) {
        SetTicked(Window(), IDC_SYSTEM_SHUTDOWN, false);
        ShowPageControl(Window(), IDC_SYSTEM_HOURS, false);
        ShowPageControl(Window(), IDC_SYSTEM_MINUTES, false);
        MessageBoxGbk(Window(), kPowerOffRefusedMessage, kPageMessageCaption,
                      MB_OK | MB_ICONEXCLAMATION);
    }
}

} // namespace luna
