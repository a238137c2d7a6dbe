// How the background picture is placed on the screen (DeskTopFit), and whether the desktop's
// texts get an outline (TextOutline). Both are stored beside the settings record, not in it:
// lunavis writes them, lunahook reads them with the background whenever it rebuilds it.
#pragma once

#include <cstdint>

#include "shared/registry_store.h"

namespace luna {

// Numbered as stored. Stretch is 0, so a registry without the value keeps the picture
// stretched as earlier versions drew it.
enum class PictureFit : std::uint32_t {
    Stretch = 0, // 拉伸: the whole picture on the whole screen, the aspect given up
    Fill = 1,    // 填充: covers the screen keeping the aspect; the overhang is cut off
    Fit = 2,     // 适应: the whole picture keeping the aspect; bars in the background colour
    Center = 3,  // 居中: at its own size in the middle
    Tile = 4,    // 平铺: at its own size, repeated from the top left
};
constexpr std::uint32_t kPictureFitCount = 5;

// What a new installation stores.
constexpr PictureFit kNewInstallFit = PictureFit::Fill;

// A stored number as a placement: any unknown number is Stretch.
PictureFit EffectivePictureFit(std::uint32_t stored);

// DeskTopFit and TextOutline as the one registry reader reads them (missing or refused:
// Stretch, no outline).
PictureFit ReadPictureFit(RegistryStore& hkcu, RegAccess access);
bool ReadTextOutline(RegistryStore& hkcu, RegAccess access);

void WritePictureFit(RegistryStore& hkcu, PictureFit fit);
void WriteTextOutline(RegistryStore& hkcu, bool outline);

} // namespace luna
