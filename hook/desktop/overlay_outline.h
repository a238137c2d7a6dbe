// The overlay's texts with an optional thin outline in a contrasting colour ("文字描边"),
// so they stay legible on light or busy pictures.
#pragma once

#include <windows.h>

namespace luna {

// Taken from TextOutline whenever the background is read.
void SetTextOutline(bool on);

// DrawTextGbk, with the outline around the glyphs while it is on.
int DrawOverlayText(HDC dc, const char* text, int length, RECT* rect, UINT format);

} // namespace luna
