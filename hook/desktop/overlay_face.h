// The face of the overlay's default font. Left to the font mapper, a font of the GB2312
// character set can come out as a face with Chinese glyphs only (seen on systems set up in
// English), drawing every digit and Latin letter as a box. So the face is picked by name:
// one that has both.
#pragma once

#include <windows.h>

namespace luna {

// Writes into font.lfFaceName the first face that draws digits, Latin letters and Chinese
// characters at font's size and character set: 微软雅黑, then 宋体, then the faces the
// system offers for GB2312. Leaves the name as it is when none does.
void ChooseOverlayFace(HDC dc, LOGFONTW& font);

} // namespace luna
