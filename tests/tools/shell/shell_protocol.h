// How a test program asks the stand-in shell about its state.
//
// Send WM_COPYDATA to the hidden top-level window of class kShellControlClass with
// wParam = a window of the asker, dwData = kShellRequestCode and the request as ASCII words.
// Before SendMessage returns, the shell answers with WM_COPYDATA to that window:
// dwData = kShellReplyCode, the reply as UTF-8 without terminator. SendMessage returns 1 when
// the request was understood, 0 otherwise (the reply then says why).
#pragma once

namespace luna::tools {

constexpr char kShellControlClass[] = "LunaShellControl";
constexpr unsigned long kShellRequestCode = 0x4C53513F; // "LSQ?"
constexpr unsigned long kShellReplyCode = 0x4C535221;   // "LSR!"
constexpr unsigned kShellMaxRequest = 4096;

} // namespace luna::tools
