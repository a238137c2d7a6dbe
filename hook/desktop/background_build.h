// The desktop background: read its settings, fill it by style, rebuild it on request.
#pragma once

#include <windows.h>

#include "hook/desktop/desktop.h"

namespace luna {

// Reads DeskTopStyle and DeskTopBackColor into the settings copy and, for the bitmap style
// only, loads BackImage stretched to W by H. Returns that bitmap, or null.
HBITMAP ReadBackgroundSettings(Desktop& desktop);

// Fills the background surface according to the settings' style (the solid style with
// their colour). The bitmap style, and any unknown one, paints nothing.
void FillBackground(const Desktop& desktop, HDC background);

// A blank W by H bitmap for the background, or null (logged).
HBITMAP CreateBlankBackground(const Desktop& desktop, HDC screen);

// UM_RELOADBACK: a new background from the registry, the overlay drawn again onto it and
// the whole list view invalidated. Returns 1.
LRESULT RebuildBackground(Desktop& desktop);

// Draws the whole overlay of now onto the background (the month grid forced) and
// invalidates the whole list view.
void RedrawPicture(Desktop& desktop);

// Copies the composed picture onto a device context at (0, 0).
void CopyPicture(const Desktop& desktop, HDC target);

} // namespace luna
