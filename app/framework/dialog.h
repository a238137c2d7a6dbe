// Dialog windows built from templates in the executable's resources. A MessageTarget is
// the object behind one dialog window (a modal dialog now; the pages of a property sheet
// share the same dispatch); its message table is consulted first, then the defaults.
#pragma once

#include <windows.h>

#include "app/framework/message_table.h"

namespace luna {

class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    HWND Window() const { return window_; }

    // Handles a message of this window: true when handled, with its result in result.
    // False lets the dialog manager's default processing run.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    // The dialog's initialisation. True leaves the focus to the dialog manager.
    virtual BOOL OnInitDialog() { return TRUE; }
    // The derived class's message table (see DispatchTable); none by default.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
    // Commands the table did not take; false for default processing.
    virtual bool OnDefaultCommand(WPARAM /*wParam*/, LPARAM) { return false; }

  private:
    friend INT_PTR CALLBACK TargetDialogProc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
};

// The dialog procedure of every MessageTarget. WM_INITDIALOG's lParam is the target.
INT_PTR CALLBACK TargetDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A handler returns true when it handled the message (its result in result), false for
// the default processing, which then runs after it.
template <class Owner> using MessageHandler = bool (Owner::*)(WPARAM, LPARAM, LRESULT&);

template <class Owner, std::size_t N>
bool DispatchTable(Owner& owner, const MessageEntry<MessageHandler<Owner>> (&table)[N],
                   UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const auto* entry = FindMessageEntry(table, message, wParam);
    return entry != nullptr && (owner.*(entry->handler))(wParam, lParam, result);
}

// A modal dialog. OK and Cancel end it with IDOK and IDCANCEL unless the table takes them.
class Dialog : public MessageTarget {
  public:
    Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

    // Runs the dialog's modal loop; gives the value passed to EndDialog (-1 on failure).
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

  protected:
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    bool OnDefaultCommand(WPARAM wParam, LPARAM lParam) override;

  private:
    int templateId_;
    HWND parent_;
};

} // namespace luna
