#include "app/framework/property_sheet.h"

#include <algorithm>
#include <cstring>

#include "app/framework/application.h"
#include "shared/gbk_text.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr UINT_PTR kSheetSubclassId = 1;

RECT RectIn(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Grow(HWND window, LONG dx, LONG dy) {
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsDialog(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

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

void PropertySheetDialog::FitPage(HWND page) {
    HWND sheet = GetParent(page);
    auto tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    if (sheet == nullptr || tab == nullptr) {
        return;
    }
    LONG right = 0;
    LONG bottom = 0;
    LONG margin = -1; // the page's own left margin, kept on the right and at the bottom
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = RectIn(child, page);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
        margin = margin < 0 ? r.left : std::min(margin, r.left);
    }
    RECT most{0, 0, 7, 7};
    MapDialogRect(page, &most);
    margin = std::clamp(margin, 0L, most.right);
    RECT client;
    GetClientRect(page, &client);
    const LONG dx = std::max(0L, right + margin - client.right);
    const LONG dy = std::max(0L, bottom + margin - client.bottom);
    if (dx == 0 && dy == 0) {
        return;
    }
    const RECT tabRect = RectIn(tab, sheet);
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == tab || IsDialog(child)) {
            Grow(child, dx, dy);
        } else if (const RECT r = RectIn(child, sheet); r.top >= tabRect.bottom) {
            SetWindowPos(child, nullptr, r.left + dx, r.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    Grow(sheet, dx, dy);
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
