// The taskbar of the stand-in shell: Shell_TrayWnd, its notification area TrayNotifyWnd with
// the icons Shell_NotifyIcon sends, and the clock TrayClockWClass. Runs on its own thread
// unless the options put everything on one.
#pragma once

#include <map>
#include <utility>

#include "tests/tools/shell/logic/tray_icons.h"
#include "tests/tools/shell/shell_context.h"

namespace luna::tools {

class Taskbar {
  public:
    explicit Taskbar(ShellContext& ctx) : ctx_(ctx) {}
    ~Taskbar();
    Taskbar(const Taskbar&) = delete;
    Taskbar& operator=(const Taskbar&) = delete;

    static bool RegisterClasses(HINSTANCE instance);
    // Creates the windows on the calling thread; fills ctx.windows and ctx.procs.clock.
    bool Create(HINSTANCE instance);

  private:
    static LRESULT CALLBACK TrayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NotifyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ClockProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Shell_TrayWnd
    void Layout();
    void PaintTaskbar(HWND hwnd, HDC dc);
    LRESULT OnNotifyIconData(HWND sender, const COPYDATASTRUCT* cds);
    void HandleRequest(ShellRequest& request);

    // TrayNotifyWnd (notify_area.cpp)
    RECT IconSlot(std::size_t index) const;
    const TrayIcon* IconAt(POINT client) const;
    void PaintIcons(HDC dc);
    HICON IconHandle(const TrayIcon& icon);
    void DropStaleHandles();
    void SendCallback(const TrayIcon& icon, UINT mouseMessage);
    void OnNotifyMouse(UINT msg, LPARAM lParam);
    std::string DescribeIcon(const TrayIcon& icon) const;

    // TrayClockWClass (tray_clock.cpp)
    static void PaintClock(HWND hwnd, HDC dc);

    using IconKey = std::pair<std::int64_t, std::uint32_t>;
    struct CachedIcon {
        std::uint32_t revision = 0;
        HICON handle = nullptr;
    };

    ShellContext& ctx_;
    TrayIconList icons_;
    std::map<IconKey, CachedIcon> handles_;
    LRESULT lastClockAnswer_ = -1;
};

constexpr char kTrayClass[] = "Shell_TrayWnd";
constexpr char kNotifyClass[] = "TrayNotifyWnd";
constexpr char kClockClass[] = "TrayClockWClass";
constexpr UINT kClockSizeQuery = WM_USER + 100; // 0x0464: the clock answers its size
constexpr UINT_PTR kClockTimerId = 1;
constexpr int kClockWidth = 70;
constexpr int kIconSlot = 20;

} // namespace luna::tools
