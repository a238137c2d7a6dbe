// The values lunahook reads from the registry itself, inside the shell: DeskTopStyle,
// DeskTopBackColor, BackImage, and DeskTopFit and TextOutline beside them. They are read with the
// one registry reader of settings_registry.h in its mode for the shell (RegAccess::Query: keys are
// opened, or created empty, for querying only) and by its rules, so a value lunavis refuses (a
// wrong type, a wrong size, a text that does not fit) is refused here too and the same default
// stands: the desktop always draws what the system page shows.
#pragma once

#include <cstdint>

#include "shared/picture_fit.h"
#include "shared/registry_layout.h"
#include "shared/registry_store.h"

namespace luna {

struct BackgroundSettings {
    std::uint32_t style = 0;     // EffectiveDesktopStyle of DeskTopStyle (default picture)
    std::uint32_t backColor = 0; // DeskTopBackColor (default black)
    bool hasBackImage = false;
    char backImage[kPathCapacity] = {};   // BackImage, terminated; "" when it has none
    PictureFit fit = PictureFit::Stretch; // DeskTopFit
    bool textOutline = false;             // TextOutline
};

BackgroundSettings ReadBackgroundSettingsFrom(RegistryStore& hkcu);

// BackImage alone (the festival files lie in its folder). False, with path "", when it is
// missing or refused.
bool ReadBackImageFrom(RegistryStore& hkcu, char (&path)[kPathCapacity]);

} // namespace luna
