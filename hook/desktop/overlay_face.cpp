#include "hook/desktop/overlay_face.h"

#include <cwchar>
#include <string>
#include <vector>

#include "shared/win32/debug_log.h"
#include "shared/gbk_text.h"

namespace luna {
namespace {

// Asked for by name first: each under its Chinese and its English name.
const wchar_t* const kPreferredFaces[] = {L"微软雅黑", L"Microsoft YaHei", L"宋体", L"SimSun"};

// A digit, Latin letters and a Chinese character that every face must draw itself.
constexpr wchar_t kProbe[] = L"0Ag日";

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto* faces = reinterpret_cast<std::vector<std::wstring>*>(data);
    // Faces starting with '@' are the vertical ones.
    if (font->lfFaceName[0] != L'@' && faces->size() < 256) {
        faces->emplace_back(font->lfFaceName);
    }
    return 1;
}

bool DrawsEverything(HDC dc, LOGFONTW font, const wchar_t* face) {
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
    HFONT made = CreateFontIndirectW(&font);
    if (made == nullptr) {
        return false;
    }
    HGDIOBJ old = SelectObject(dc, made);
    // Whatever face the mapper took for the name, it must have the glyphs itself.
    WORD glyphs[sizeof kProbe / sizeof kProbe[0]] = {};
    const int count = static_cast<int>(wcslen(kProbe));
    bool all = GetGlyphIndicesW(dc, kProbe, count, glyphs, GGI_MARK_NONEXISTING_GLYPHS) ==
               static_cast<DWORD>(count);
    for (int i = 0; all && i < count; ++i) {
        all = glyphs[i] != 0xFFFF;
    }
    SelectObject(dc, old);
    DeleteObject(made);
    return all;
}

} // namespace

void ChooseOverlayFace(HDC dc, LOGFONTW& font) {
    std::vector<std::wstring> faces(std::begin(kPreferredFaces), std::end(kPreferredFaces));
    LOGFONTW wanted{};
    wanted.lfCharSet = font.lfCharSet;
    EnumFontFamiliesExW(dc, &wanted, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    for (const std::wstring& face : faces) {
        if (DrawsEverything(dc, font, face.c_str())) {
            wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
            font.lfFaceName[LF_FACESIZE - 1] = L'\0';
            WriteDebugLogf("default font face: %s", GbkFromWide(font.lfFaceName).c_str());
            return;
        }
    }
    WriteDebugLog("default font face: none draws digits, Latin and Chinese");
}

} // namespace luna
