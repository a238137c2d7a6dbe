#include "tests/tools/shell/time_broadcast.h"

#include "tests/tools/shell/win_text.h"

namespace luna::tools {

namespace {

struct Forward {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    int count;
};

BOOL CALLBACK SendToChild(HWND child, LPARAM param) {
    auto* f = reinterpret_cast<Forward*>(param);
    SendMessageA(child, f->msg, f->wParam, f->lParam);
    ++f->count;
    return TRUE;
}

} // namespace

bool IsTimeBroadcast(UINT msg) {
    return msg == WM_TIMECHANGE || msg == WM_POWERBROADCAST;
}

void ForwardTimeBroadcast(ShellContext* ctx, HWND top, UINT msg, WPARAM wParam, LPARAM lParam) {
    Forward f{msg, wParam, lParam, 0};
    EnumChildWindows(top, SendToChild, reinterpret_cast<LPARAM>(&f));
    if (ctx != nullptr) {
        ctx->log.Printf("time-broadcast msg=%s wparam=%s from=%s children=%d",
                        HexValue(msg).c_str(), HexValue(ULONG_PTR(wParam)).c_str(),
                        HexValue(ULONG_PTR(top)).c_str(), f.count);
    }
}

} // namespace luna::tools
