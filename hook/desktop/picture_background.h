// The picture background: BackImage decoded once, placed by DeskTopFit over the background
// colour and scaled once to the screen. Only the screen-sized result is kept; the file's
// bytes and the decoder's pixels are gone when this returns.
#pragma once

#include <windows.h>

#include "hook/logic/background_settings.h"

namespace luna {

// A width by height bitmap for the background surface: the picture, or the background
// colour alone when there is no picture or it cannot be used (logged with the reason).
// Null only when the bitmap itself cannot be made.
HBITMAP LoadPictureBackground(const BackgroundSettings& read, int width, int height);

} // namespace luna
