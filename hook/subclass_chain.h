// The shell's own records of the windows it subclassed, and the one way to enter and leave
// a window's chain of procedures. The records live in this process's memory, never in the
// shared section: the shell calls only the previous procedures saved here, inside the
// shell, when it subclassed. Each record is touched only on its window's thread.
//
// Procedures are replaced with SetWindowLongPtrW and called with CallWindowProcW, so the
// shell's windows stay Unicode and see exactly the messages they saw before.
#pragma once

#include <windows.h>

#include "hook/logic/subclass_rules.h"

namespace luna {

struct LocalSubclass {
    HWND window = nullptr;
    WNDPROC previous = nullptr; // the window's procedure before ours
    WNDPROC ours = nullptr;
    SubclassMode mode = SubclassMode::None;
};

LocalSubclass& FolderViewSubclass();
LocalSubclass& ViewSubclass();
LocalSubclass& ClockSubclass();

// The desktop list view while our procedure works on it, else null. For the drawing code.
HWND AttachedViewWindow();

// True when the message to `window` is the one that should attach `record`: the window is
// the target named in the shared record, has the expected class (the shared record is
// written by whoever maps the library, so its handles are checked here) and is not yet
// served by an active record.
bool ShouldAttach(const LocalSubclass& record, HWND window, HWND sharedTarget,
                  const char* expectedClass);

// Puts `ours` in front of the window's procedure, or re-arms a record still in its chain.
// True when our procedure is now active on the window.
bool AttachSubclass(LocalSubclass& record, HWND window, WNDPROC ours);

// UM_EXIT: puts the previous procedure back while ours is current, otherwise leaves ours
// in the chain as a plain pass-through. True when the procedure was put back.
bool RestoreSubclass(LocalSubclass& record);

// Hands a message on to the saved previous procedure (DefWindowProcW without one).
LRESULT PassOn(const LocalSubclass& record, HWND window, UINT message, WPARAM wParam,
               LPARAM lParam);

inline bool IsActive(const LocalSubclass& record) {
    return record.mode == SubclassMode::Active;
}

} // namespace luna
