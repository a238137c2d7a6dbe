#include "shared/picture_fit.h"

#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

namespace luna {

PictureFit EffectivePictureFit(std::uint32_t stored) {
    return stored < kPictureFitCount ? static_cast<PictureFit>(stored) : PictureFit::Stretch;
}

PictureFit ReadPictureFit(RegistryStore& hkcu, RegAccess access) {
    std::uint32_t number = 0;
    if (!ReadRegNumber(hkcu, regkey::Display, regvalue::DeskTopFit, &number, access)) {
        return PictureFit::Stretch;
    }
    return EffectivePictureFit(number);
}

bool ReadTextOutline(RegistryStore& hkcu, RegAccess access) {
    std::uint32_t number = 0;
    return ReadRegNumber(hkcu, regkey::Display, regvalue::TextOutline, &number, access) &&
           number != 0;
}

void WritePictureFit(RegistryStore& hkcu, PictureFit fit) {
    WriteRegNumber(hkcu, regkey::Display, regvalue::DeskTopFit, static_cast<std::uint32_t>(fit));
}

void WriteTextOutline(RegistryStore& hkcu, bool outline) {
    WriteRegNumber(hkcu, regkey::Display, regvalue::TextOutline, outline ? 1 : 0);
}

} // namespace luna
