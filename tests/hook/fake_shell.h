// A scripted shell for the installation logic: windows with a class, a parent and an
// owning thread, looked up the way FindWindowExA does, and every operation recorded.
#pragma once

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "hook/logic/hook_install.h"

namespace luna::test {

inline WindowHandle Window(std::uintptr_t id) {
    return reinterpret_cast<WindowHandle>(id);
}
inline HookHandle Hook(std::uintptr_t id) {
    return reinterpret_cast<HookHandle>(id);
}
inline WindowProc Proc(std::uintptr_t id) {
    return reinterpret_cast<WindowProc>(id);
}

class FakeShell : public HookPlatform {
  public:
    struct Node {
        std::uintptr_t id;
        std::uintptr_t parent; // 0: top-level
        std::string className;
    };

    // Adds a window; ids are handed out from 0x100 on, in z-order.
    WindowHandle Add(const char* className, WindowHandle parent = nullptr) {
        const std::uintptr_t id = 0x100 + windows.size() * 0x10;
        windows.push_back({id, reinterpret_cast<std::uintptr_t>(parent), className});
        return Window(id);
    }

    // Progman > SHELLDLL_DefView > SysListView32, Shell_TrayWnd > TrayNotifyWnd >
    // TrayClockWClass.
    void AddClassicShell() {
        progman = Add("Progman");
        desktopView = Add("SHELLDLL_DefView", progman);
        listView = Add("SysListView32", desktopView);
        AddTaskbar();
    }
    void AddTaskbar() {
        tray = Add("Shell_TrayWnd");
        WindowHandle notify = Add("TrayNotifyWnd", tray);
        clock = Add("TrayClockWClass", notify);
    }

    WindowHandle FindWindowByClass(WindowHandle parent, WindowHandle after,
                                   const char* className) override {
        bool passed = after == nullptr;
        for (const Node& node : windows) {
            if (!passed) {
                passed = Window(node.id) == after;
                continue;
            }
            if (node.parent == reinterpret_cast<std::uintptr_t>(parent) &&
                node.className == className) {
                return Window(node.id);
            }
        }
        return nullptr;
    }
    bool WindowExists(WindowHandle window) override {
        for (const Node& node : windows) {
            if (Window(node.id) == window && destroyed.count(node.id) == 0) {
                return true;
            }
        }
        return false;
    }
    HookHandle SetHook(HookTarget target, WindowHandle window) override {
        const char* name = target == HookTarget::Desktop ? "desktop"
                           : target == HookTarget::View  ? "view"
                                                         : "clock";
        Record(std::string("hook ") + name + " " + Hex(window));
        if (failingHooks.count(target) != 0) {
            return nullptr;
        }
        HookHandle hook = Hook(nextHook);
        nextHook += 0x1000;
        return hook;
    }
    bool Unhook(HookHandle hook) override {
        Record("unhook " + Hex(hook));
        return failingUnhooks.count(reinterpret_cast<std::uintptr_t>(hook)) == 0;
    }
    void AddClassDoubleClicks(WindowHandle window) override { Record("dblclks " + Hex(window)); }
    void SendExit(WindowHandle window) override {
        Record("exit " + Hex(window));
        if (onExit) {
            onExit(window);
        }
    }
    void PostSize(WindowHandle window) override { Record("post size " + Hex(window)); }
    void SendSizeAndRepaint(WindowHandle window) override { Record("size+repaint " + Hex(window)); }
    void Log(const char* line) override {
        log.push_back(line);
        Record(std::string("log ") + line);
    }

    static std::string Hex(const void* handle) {
        char text[32];
        std::snprintf(text, sizeof text, "%" PRIXPTR, reinterpret_cast<std::uintptr_t>(handle));
        return text;
    }

    std::vector<Node> windows;
    std::set<std::uintptr_t> destroyed;
    std::set<HookTarget> failingHooks;
    std::set<std::uintptr_t> failingUnhooks;
    std::function<void(WindowHandle)> onExit; // what the subclass does on UM_EXIT
    std::uintptr_t nextHook = 0xA000;
    std::vector<std::string> log;
    std::vector<std::string> calls; // every operation except lookups, in order

    WindowHandle progman = nullptr, desktopView = nullptr, listView = nullptr;
    WindowHandle tray = nullptr, clock = nullptr;

  private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

} // namespace luna::test
