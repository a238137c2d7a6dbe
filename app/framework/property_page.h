// One page of a property sheet: a dialog built from a template, created by the sheet the
// first time it is selected, and told by the sheet when it is left and when it must apply.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "app/framework/dialog.h"

namespace luna {

class PropertySheetDialog;

class PropertyPage : public MessageTarget {
  public:
    // A page from a dialog template in the executable's resources.
    explicit PropertyPage(int templateId) : templateId_(templateId) {}

    // Marks the page changed (enables the sheet's Apply button) or unchanged.
    void SetModified(bool changed);

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  protected:
    // OK or Apply, for every page that has been created, in page order. True accepts.
    virtual bool OnApply() { return true; }
    // The page is about to be left (another page, OK or Apply). False keeps it.
    virtual bool OnKillActive() { return true; }

  private:
    friend class PropertySheetDialog;
    PROPSHEETPAGEW Describe();
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    PropertySheetDialog* sheet_ = nullptr;
};

} // namespace luna
