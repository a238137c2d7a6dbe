// The main window: never seen, it lives for the whole run and receives everything the
// shell side and Windows send to lunavis. Its modal loop is the program's message loop.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "app/control_state.h"
#include "app/framework/dialog.h"
#include "app/logic/shutdown.h"
#include "app/single_instance.h"

namespace luna {

class MainDialog : public Dialog {
  public:
    MainDialog(ControlState& state, SingleInstanceEvent& instanceEvent);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    bool OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnPaint(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnQueryDragIcon(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnWindowPosChanging(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnOpenSettings(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnExit(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnEndSession(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnHelp(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnTimer(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnTrayIcon(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnReminder(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A double-click on a day of the desktop's month grid (UM_NEWREMINDERON).
    bool OnNewReminderOn(WPARAM wParam, LPARAM lParam, LRESULT& result);

    void OnShellRestarted();
    void AddAboutToSystemMenu();
    void SendSettingsToShell();
    void PostSheetState(WPARAM open);
    void OpenSettings();
    void ExitPath();
    void ShowAbout();

    static const MessageEntry<MessageHandler<MainDialog>> kMessages[];

    ControlState& state_;
    SingleInstanceEvent& instanceEvent_;
    HICON icon_;
    NOTIFYICONDATAW trayIcon_{};
    bool exiting_ = false;
    UINT taskbarCreated_ = 0;
    ShutdownTrigger shutdown_;
};

} // namespace luna
