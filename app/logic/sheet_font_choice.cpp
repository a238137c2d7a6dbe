#include "app/logic/sheet_font_choice.h"

#include <cstring>

#include "shared/messages.h"
#include "shared/settings_registry.h"

namespace luna {

FontChoice MakeFontChoice(const char* face, std::int32_t pointSizeTenths,
                          const FontRecord& record) {
    FontChoice font{};
    if (face != nullptr) {
        std::size_t length = std::strlen(face);
        if (length >= kFaceNameSize) {
            length = kFaceNameSize - 1;
        }
        std::memcpy(font.face, face, length);
    }
    font.pointSizeTenths = pointSizeTenths;
    font.weight = record.lfWeight;
    font.charset = record.lfCharSet;
    font.italic = record.lfItalic;
    font.bold = record.lfWeight == 700 ? 1 : 0;
    font.underline = record.lfUnderline != 0 ? 1 : 0;
    font.record = record;
    return font;
}

void ApplyFontChoice(SheetContext& context, const char* keyPath, std::uint32_t code,
                     const FontChoice& font) {
    WriteFontGroup(context.hkcu, keyPath, font.face, font.pointSizeTenths, font.record);
    context.sink.SendCopy(code, &font.record, kFontRecordSize);
}

} // namespace luna
