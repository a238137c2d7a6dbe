#include "hook/desktop/picture_background.h"

#include "shared/win32/debug_log.h"
#include "shared/win32/picture_decode.h"

namespace luna {
namespace {

const char* Reason(PictureVerdict verdict) {
    switch (verdict) {
    case PictureVerdict::Unreadable:
        return "cannot be read";
    case PictureVerdict::Empty:
        return "is empty";
    case PictureVerdict::UnknownFormat:
        return "is of an unknown format";
    case PictureVerdict::TooLarge:
        return "is too large";
    case PictureVerdict::Broken:
        return "is broken";
    case PictureVerdict::Usable:
        break;
    }
    return "is usable";
}

} // namespace

HBITMAP LoadPictureBackground(const BackgroundSettings& read, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        WriteDebugLog("Create BackImage Error!!!!!!!!!!!!!!!!");
        return bitmap;
    }
    const PixelTarget screen{static_cast<std::uint32_t*>(bits), width, {0, 0, width, height}};
    const bool named = read.hasBackImage && read.backImage[0] != '\0';
    const PictureVerdict verdict = DrawPicture(
        named ? ReadPictureFile(read.backImage) : PictureFile{}, read.fit, read.backColor, screen);
    GdiFlush();
    if (named && verdict != PictureVerdict::Usable) {
        WriteDebugLogf("BackImage %s: %s", read.backImage, Reason(verdict));
    }
    return bitmap;
}

} // namespace luna
