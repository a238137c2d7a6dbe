// Pictures from files, decoded with the Windows Imaging Component: the first frame of a
// JPEG, PNG, BMP, GIF or TIFF. The file is read whole into memory first (a file replaced
// while it is read then gives one set of bytes, good or bad, never a moving target), its
// header is checked (picture_header.h) before the decoder sees it, and the decoded pixels
// are scaled straight onto the screen's bitmap a few rows at a time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "shared/picture_scale.h"
#include "shared/picture_fit.h"
#include "shared/picture_header.h"

namespace luna {

struct PictureFile {
    PictureVerdict verdict = PictureVerdict::Unreadable;
    PictureHeader header;
    std::vector<std::uint8_t> bytes; // the whole file while the verdict is Usable
};

// Reads a file (GBK path) and judges it by its header. Folders, devices and pipes are
// Unreadable; nothing blocks on them.
PictureFile ReadPictureFile(const char* path);

// Paints the whole screen bitmap (top-down, 32 bits, `screen.rect` its whole size): the
// background colour (a COLORREF), the picture placed over it. Returns Usable, or why the
// picture could not be drawn (the screen then shows the background colour alone).
PictureVerdict DrawPicture(const PictureFile& file, PictureFit fit, std::uint32_t backColor,
                           const PixelTarget& screen);

// Whether the picture at a path can be the background: read, checked and decoded in full
// (into a small target), as the desktop would.
PictureVerdict CheckPictureFile(const char* path);

} // namespace luna
