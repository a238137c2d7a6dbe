#include "hook/desktop/desktop.h"

#include "hook/subclass_chain.h"

namespace luna {

bool Desktop::Ready() const {
    return picture.dc != nullptr && background.dc != nullptr && gridWork.dc != nullptr &&
           panelWork.dc != nullptr;
}

LocalTime CurrentLocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond};
}

RECT ToRect(const PixelRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void RestoreBackground(const Desktop& desktop, const RECT& r) {
    BitBlt(desktop.picture.dc, r.left, r.top, r.right - r.left, r.bottom - r.top,
           desktop.background.dc, r.left, r.top, SRCCOPY);
}

void ShowOnView(const RECT& r) {
    HWND view = AttachedViewWindow();
    if (view != nullptr) {
        InvalidateRect(view, &r, TRUE);
    }
}

} // namespace luna
