#include "hook/subclass_chain.h"

#include <cstring>

#include "hook/module_pin.h"

namespace luna {
namespace {

LocalSubclass folderViewSubclass;
LocalSubclass viewSubclass;
LocalSubclass clockSubclass;

WNDPROC CurrentProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

} // namespace

LocalSubclass& FolderViewSubclass() {
    return folderViewSubclass;
}

LocalSubclass& ViewSubclass() {
    return viewSubclass;
}

LocalSubclass& ClockSubclass() {
    return clockSubclass;
}

HWND AttachedViewWindow() {
    return IsActive(viewSubclass) ? viewSubclass.window : nullptr;
}

bool ShouldAttach(const LocalSubclass& record, HWND window, HWND sharedTarget,
                  const char* expectedClass) {
    if (window == nullptr || window != sharedTarget ||
        (IsActive(record) && record.window == window)) {
        return false;
    }
    char className[64] = {};
    return GetClassNameA(window, className, sizeof className) > 0 &&
           std::strcmp(className, expectedClass) == 0;
}

bool AttachSubclass(LocalSubclass& record, HWND window, WNDPROC ours) {
    const bool sameWindow = record.window == window;
    const bool recordAlive = record.window != nullptr && IsWindow(record.window) != FALSE;
    switch (DecideAttach(record.mode, sameWindow, recordAlive)) {
    case AttachStep::AlreadyActive:
        return true;
    case AttachStep::Refuse:
        return false;
    case AttachStep::Rearm:
        record.mode = SubclassMode::Active;
        return true;
    case AttachStep::Subclass:
        break;
    }
    // A window whose procedure cannot be read is left alone: a subclass without a
    // procedure to pass messages on to would swallow every one.
    WNDPROC previous = CurrentProcedure(window);
    if (previous == nullptr || previous == ours) {
        return false;
    }
    // The shell runs our code from here on: the library stays mapped for its whole life.
    PinLibraryInProcess();
    // Saved before the replacement: the subclass passes messages on from its first one.
    record = LocalSubclass{window, previous, ours, SubclassMode::Active};
    if (SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ours)) == 0) {
        record = LocalSubclass{};
        return false;
    }
    return true;
}

bool RestoreSubclass(LocalSubclass& record) {
    const bool alive = record.window != nullptr && IsWindow(record.window) != FALSE;
    const bool oursIsCurrent = alive && CurrentProcedure(record.window) == record.ours;
    switch (DecideRestore(record.mode, alive, oursIsCurrent)) {
    case RestoreStep::PutBack:
        if (SetWindowLongPtrW(record.window, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(record.previous)) != 0) {
            // The saved procedure is kept: a stray call through a copy of our pointer
            // that someone still holds is passed on, never dropped.
            record.mode = SubclassMode::None;
            return true;
        }
        record.mode = SubclassMode::PassThrough; // still ours: keep passing on
        return false;
    case RestoreStep::StayAsPassThrough:
        record.mode = SubclassMode::PassThrough;
        return false;
    case RestoreStep::Forget:
        record.mode = SubclassMode::None;
        return false;
    case RestoreStep::Nothing:
        break;
    }
    return false;
}

LRESULT PassOn(const LocalSubclass& record, HWND window, UINT message, WPARAM wParam,
               LPARAM lParam) {
    if (record.previous == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return CallWindowProcW(record.previous, window, message, wParam, lParam);
}

} // namespace luna
