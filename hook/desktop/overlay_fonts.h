// The three fonts of the overlay: the clock's (clock strip and calendar text), the
// calendar's (month grid) and the reminder panel's, each selected into its surface.
#pragma once

#include <windows.h>

#include "hook/desktop/desktop.h"
#include "shared/font_record.h"

namespace luna {

// Makes a font from a received font record (its face name GBK) and selects it into the
// surface's context in place of the previous one, which is deleted. A font that cannot be
// made leaves the previous one in place; returns false then.
bool AdoptOverlayFont(HDC surface, HFONT& slot, const FontRecord& received);

// Until a font record arrives, a surface draws with the font it was made with: the
// context's own font, but of the GB2312 character set and of a face with both Latin and
// Chinese glyphs (overlay_face.h), so its texts look the same on every system code page.
bool AdoptDefaultOverlayFont(HDC surface, HFONT& slot);

// Deletes the three overlay fonts (after their surfaces are gone).
void ReleaseOverlayFonts(Desktop& desktop);

} // namespace luna
