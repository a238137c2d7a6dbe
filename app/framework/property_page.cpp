#include "app/framework/property_page.h"

#include "app/framework/application.h"
#include "app/framework/property_sheet.h"

namespace luna {

void PropertyPage::SetModified(bool changed) {
    HWND sheet = GetParent(Window());
    if (sheet == nullptr) {
        return;
    }
    SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(Window()),
                 0);
}

bool PropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY && lParam != 0) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        switch (header->code) {
        case PSN_APPLY:
            result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
            return true;
        case PSN_KILLACTIVE:
            result = OnKillActive() ? FALSE : TRUE;
            return true;
        case PSN_SETACTIVE:
            if (sheet_ != nullptr) {
                sheet_->FitPage(Window());
            }
            break;
        default:
            break;
        }
    }
    return MessageTarget::HandleMessage(message, wParam, lParam, result);
}

PROPSHEETPAGEW PropertyPage::Describe() {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.hInstance = ApplicationInstance();
    page.pszTemplate = MAKEINTRESOURCEW(templateId_);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

// A page's WM_INITDIALOG carries the page description; its lParam is the page object.
INT_PTR CALLBACK PropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        auto* page = reinterpret_cast<PropertyPage*>(description->lParam);
        if (page->sheet_ != nullptr) {
            page->sheet_->Attach(GetParent(window));
        }
        return TargetDialogProc(window, message, wParam, description->lParam);
    }
    return TargetDialogProc(window, message, wParam, lParam);
}

} // namespace luna
