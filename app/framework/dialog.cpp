#include "app/framework/dialog.h"

#include "app/framework/application.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

// Messages whose result is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool ResultIsReturnValue(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

} // namespace

bool MessageTarget::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (OnMessage(message, wParam, lParam, result)) {
        return true;
    }
    if (message == WM_INITDIALOG) {
        result = OnInitDialog();
        return true;
    }
    if (message == WM_COMMAND && OnDefaultCommand(wParam, lParam)) {
        result = 0;
        return true;
    }
    return false;
}

INT_PTR CALLBACK TargetDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        UseGb2312Font(window);
        auto* target = reinterpret_cast<MessageTarget*>(lParam);
        target->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    auto* target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrA(window, DWLP_USER));
    if (target == nullptr) {
        return FALSE;
    }
    LRESULT result = 0;
    const bool handled = target->HandleMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        target->window_ = nullptr;
    }
    if (!handled) {
        return FALSE;
    }
    if (ResultIsReturnValue(message)) {
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR Dialog::DoModal() {
    return DialogBoxParamW(ApplicationInstance(), MAKEINTRESOURCEW(templateId_), parent_,
                           TargetDialogProc, reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result) {
    ::EndDialog(Window(), result);
}

bool Dialog::OnDefaultCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

} // namespace luna
