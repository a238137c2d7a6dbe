// A modal property sheet with OK, Cancel and Apply: pages are created when first selected,
// and OK or Apply has every created page apply itself, in page order.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/framework/property_page.h"

namespace luna {

class PropertySheetDialog {
  public:
    // caption: GBK.
    PropertySheetDialog(const char* caption, HWND owner, UINT startPage);
    virtual ~PropertySheetDialog() = default;
    PropertySheetDialog(const PropertySheetDialog&) = delete;
    PropertySheetDialog& operator=(const PropertySheetDialog&) = delete;

    // Pages in tab order; they must outlive DoModal.
    void AddPage(PropertyPage& page);
    // The sheet's header, for flags and the icon, before DoModal.
    PROPSHEETHEADERW& Header() { return header_; }
    // Runs the sheet until OK or Cancel closes it.
    INT_PTR DoModal();
    HWND Window() const { return window_; }

  protected:
    // Once the sheet window exists with its first page.
    virtual void OnInitDialog() {}
    // Messages of the sheet window; false lets the sheet's own processing run (after).
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    friend class PropertyPage;
    void Attach(HWND sheet);
    // Where a page's controls need more room than the sheet gave it (its dialog font can be
    // larger than the sheet's at a high DPI), the sheet grows: the tab control and every
    // page by the shortfall; the buttons below the tab move with the sheet's corner.
    void FitPage(HWND page);
    static LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

    std::wstring caption_;
    std::vector<PropertyPage*> pages_;
    PROPSHEETHEADERW header_{};
    HWND window_ = nullptr;
};

} // namespace luna
