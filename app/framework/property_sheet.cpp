#include "app/framework/property_sheet.h"

#include "app/framework/application.h"
#include "shared/gbk_text.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr UINT_PTR kSheetSubclassId = 1;

} // namespace

PropertySheetDialog::PropertySheetDialog(const char* caption, HWND owner, UINT startPage)
    : caption_(WideFromGbk(caption)) {
    header_.dwSize = sizeof header_;
    header_.dwFlags = PSH_PROPSHEETPAGE;
    header_.hwndParent = owner;
    header_.hInstance = ApplicationInstance();
    header_.nStartPage = startPage;
}

void PropertySheetDialog::AddPage(PropertyPage& page) {
    page.sheet_ = this;
    pages_.push_back(&page);
}

INT_PTR PropertySheetDialog::DoModal() {
    std::vector<PROPSHEETPAGEW> descriptions;
    descriptions.reserve(pages_.size());
    for (PropertyPage* page : pages_) {
        descriptions.push_back(page->Describe());
    }
    header_.dwFlags |= PSH_PROPSHEETPAGE;
    header_.dwFlags &= ~static_cast<DWORD>(PSH_MODELESS);
    header_.pszCaption = caption_.c_str();
    header_.nPages = static_cast<UINT>(descriptions.size());
    header_.ppsp = descriptions.data();
    const INT_PTR result = PropertySheetW(&header_);
    window_ = nullptr;
    return result;
}

bool PropertySheetDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void PropertySheetDialog::Attach(HWND sheet) {
    if (window_ != nullptr || sheet == nullptr) {
        return;
    }
    window_ = sheet;
    // The tabs show the pages' Chinese captions; the sheet's own buttons keep the system's
    // font and language.
    if (HWND tabs = PropSheet_GetTabControl(sheet)) {
        UseGb2312Font(tabs);
    }
    SetWindowSubclass(sheet, SheetProc, kSheetSubclassId, reinterpret_cast<DWORD_PTR>(this));
    OnInitDialog();
}

LRESULT CALLBACK PropertySheetDialog::SheetProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
    auto* sheet = reinterpret_cast<PropertySheetDialog*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SheetProc, kSheetSubclassId);
        sheet->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (sheet->OnMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace luna
