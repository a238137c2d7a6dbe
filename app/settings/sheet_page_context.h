// The pieces a settings page's Apply works on: the current user's registry, the state of
// the whole run and the way to lunahook, with the page as the sender of its messages.
#pragma once

#include <windows.h>

#include "app/control_state.h"
#include "app/logic/sheet_context.h"
#include "app/settings/sheet_sink.h"
#include "shared/win32/win_registry.h"

namespace luna {

struct PageContext {
    PageContext(ControlState& state, HWND page)
        : hkcu(HKEY_CURRENT_USER),
          sink(page, state.desktopListView), context{hkcu, state.settings, state.registryCleared,
                                                     sink} {}
    PageContext(const PageContext&) = delete;
    PageContext& operator=(const PageContext&) = delete;

    WinRegistry hkcu;
    ShellSettingsSink sink;
    SheetContext context;
};

} // namespace luna
