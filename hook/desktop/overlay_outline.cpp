#include "hook/desktop/overlay_outline.h"

#include "hook/logic/background_colors.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

bool m_TextOutline = false;

// The outline's width: one pixel, two from text of 32 pixels on.
int OutlineWidth(HDC dc) {
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc, &metrics) && metrics.tmHeight >= 32 ? 2 : 1;
}

} // namespace

void SetTextOutline(bool on) {
    m_TextOutline = on;
}

int DrawOverlayText(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    if (m_TextOutline && (format & DT_CALCRECT) == 0) {
        const COLORREF color = GetTextColor(dc);
        SetTextColor(dc, OutlineColorFor(color));
        const int w = OutlineWidth(dc);
        for (int dy = -w; dy <= w; ++dy) {
            for (int dx = -w; dx <= w; ++dx) {
                if (dx == 0 && dy == 0) {
                    continue;
                }
                RECT shifted = *rect;
                OffsetRect(&shifted, dx, dy);
                DrawTextGbk(dc, text, length, &shifted, format);
            }
        }
        SetTextColor(dc, color);
    }
    return DrawTextGbk(dc, text, length, rect, format);
}

} // namespace luna
