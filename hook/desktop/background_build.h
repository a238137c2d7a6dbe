// The desktop background: read its settings, fill it by style, rebuild it on request.
#pragma once

#include <windows.h>

#include "hook/desktop/desktop.h"

namespace luna {

// Until the first settings record arrives, the background's style and colour are those
// the registry holds (the record lunavis sends carries the same): read into the settings copy.
void ReadStoredBackground(Desktop& desktop);

// Reads the picture's registry values (DeskTopFit, BackImage) and TextOutline. For the
// picture style only (and any unknown one, shown as the picture): BackImage decoded and
// placed on W by H over the background colour, which it shows alone when the picture cannot
// be used. Returns that bitmap, or null for the other styles.
HBITMAP LoadBackgroundPicture(const Desktop& desktop);

// Fills the background surface according to the settings' style (the solid style with
// their colour). The bitmap style, and any unknown one, paints nothing.
void FillBackground(const Desktop& desktop, HDC background);

// A blank W by H bitmap for the background, or null (logged).
HBITMAP CreateBlankBackground(const Desktop& desktop, HDC screen);

// A new background for the settings' style, with the picture loaded afresh, the overlay drawn
// again onto it and the whole list view invalidated. UM_RELOADBACK (the picture changed)
// and a settings record that asks for another background come here. Returns 1.
LRESULT RebuildBackground(Desktop& desktop);

// Draws the whole overlay of now onto the background (the month grid forced) and
// invalidates the whole list view.
void RedrawPicture(Desktop& desktop);

// Copies the composed picture onto a device context at (0, 0).
void CopyPicture(const Desktop& desktop, HDC target);

} // namespace luna
