// The desktop background: read its settings, fill it by style, rebuild it on request.
#pragma once

#include <windows.h>

namespace luna {

// Resets style and colour to 0, reads DeskTopStyle and, for the bitmap style only, loads
// BackImage stretched to W by H. Returns that bitmap, or null.
HBITMAP ReadBackgroundSettings();

// Fills the background surface according to m_DeskTopStyle (the solid style reads
// DeskTopBackColor first). The bitmap style, and any unknown one, paints nothing.
void FillBackground(HDC background);

// A blank W by H bitmap for the background, or null (logged).
HBITMAP CreateBlankBackground(HDC screen);

// UM_RELOADBACK: a new background from the registry, the overlay drawn again onto it and
// the whole list view invalidated. Returns 1.
LRESULT RebuildBackground();

// Draws the whole overlay of now onto the background (the month grid forced) and
// invalidates the whole list view.
void RedrawPicture();

// Copies the composed picture onto a device context at (0, 0).
void CopyPicture(HDC target);

} // namespace luna
