// The exchange between winprobe and menureader.dll, the library it hooks into the thread
// that shows a popup menu.
//
// winprobe installs MenuReaderHook (WH_CALLWNDPROC) on the thread owning the menu window
// (class "#32768") and sends that window the registered message kMenuReaderQuery with
// wParam = a window of winprobe. Inside the menu's process the hook reads the menu and,
// before the send returns, answers that window with WM_COPYDATA, dwData kMenuReaderReply,
// the items as UTF-8 lines without terminator:
//   "sep"                                        a separator
//   "item ID GREY DEFAULT HILITE LEFT TOP RIGHT BOTTOM TEXT"
// (GREY, DEFAULT, HILITE 0 or 1; the rectangle in screen coordinates).
#pragma once

namespace luna::tools {

constexpr char kMenuReaderQuery[] = "LunaMenuReaderQuery";
constexpr unsigned long kMenuReaderReply = 0x4C4D5221; // "LMR!"
constexpr char kMenuReaderHookName[] = "MenuReaderHook";
constexpr char kMenuReaderLibrary[] = "menureader.dll";

} // namespace luna::tools
