// The W calls behind the GBK helpers.
#include "shared/win32/wide_text.h"

#include <cstring>
#include <vector>

namespace luna {

BOOL SetWindowTextGbk(HWND window, const char* text) {
    return SetWindowTextW(window, WideFromGbk(text).c_str());
}

BOOL SetDlgItemTextGbk(HWND dialog, int id, const char* text) {
    return SetDlgItemTextW(dialog, id, WideFromGbk(text).c_str());
}

std::string WindowTextGbk(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return std::string();
    }
    std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, wide.data(), length + 1);
    return GbkFromWide(std::wstring(wide.data(), got > 0 ? static_cast<std::size_t>(got) : 0));
}

std::string DlgItemTextGbk(HWND dialog, int id) {
    return WindowTextGbk(GetDlgItem(dialog, id));
}

void WindowTextGbk(HWND window, char* out, std::size_t capacity) {
    CopyGbkCut(out, capacity, WindowTextGbk(window).c_str());
}

LRESULT SendTextMessageGbk(HWND window, UINT message, WPARAM wParam, const char* text) {
    const std::wstring wide = WideFromGbk(text);
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string ListItemTextGbk(HWND list, int index, bool combo) {
    const WPARAM item = static_cast<WPARAM>(index);
    const LRESULT length = SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, item, 0);
    if (length <= 0) {
        return std::string();
    }
    std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, item,
                                     reinterpret_cast<LPARAM>(wide.data()));
    return GbkFromWide(std::wstring(wide.data(), got > 0 ? static_cast<std::size_t>(got) : 0));
}

int MessageBoxGbk(HWND owner, const char* text, const char* caption, UINT type) {
    return MessageBoxW(owner, WideFromGbk(text).c_str(), WideFromGbk(caption).c_str(), type);
}

BOOL AppendMenuGbk(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
    if (text == nullptr || (flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) != 0) {
        return AppendMenuW(menu, flags, id, nullptr);
    }
    return AppendMenuW(menu, flags, id, WideFromGbk(text).c_str());
}

int DrawTextGbk(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    const std::wstring wide =
        WideFromGbk(text, length < 0 ? kGbkTerminated : static_cast<std::size_t>(length));
    return DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), rect, format);
}

LOGFONTW LogFontFromRecord(const FontRecord& record) {
    LOGFONTW font{};
    font.lfHeight = record.lfHeight;
    font.lfWidth = record.lfWidth;
    font.lfEscapement = record.lfEscapement;
    font.lfOrientation = record.lfOrientation;
    font.lfWeight = record.lfWeight;
    font.lfItalic = record.lfItalic;
    font.lfUnderline = record.lfUnderline;
    font.lfStrikeOut = record.lfStrikeOut;
    font.lfCharSet = record.lfCharSet;
    font.lfOutPrecision = record.lfOutPrecision;
    font.lfClipPrecision = record.lfClipPrecision;
    font.lfQuality = record.lfQuality;
    font.lfPitchAndFamily = record.lfPitchAndFamily;
    const std::wstring face = WideFromGbk(record.lfFaceName, kFaceNameSize);
    const std::size_t length = face.size() < LF_FACESIZE - 1 ? face.size() : LF_FACESIZE - 1;
    std::memcpy(font.lfFaceName, face.data(), length * sizeof(wchar_t));
    return font;
}

bool RecordFromLogFont(const LOGFONTW& font, FontRecord* out) {
    FontRecord record{};
    const std::wstring face(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE));
    if (StoreExactGbk(face, record.lfFaceName) != GbkFit::kOk) {
        return false;
    }
    record.lfHeight = font.lfHeight;
    record.lfWidth = font.lfWidth;
    record.lfEscapement = font.lfEscapement;
    record.lfOrientation = font.lfOrientation;
    record.lfWeight = font.lfWeight;
    record.lfItalic = font.lfItalic;
    record.lfUnderline = font.lfUnderline;
    record.lfStrikeOut = font.lfStrikeOut;
    record.lfCharSet = font.lfCharSet;
    record.lfOutPrecision = font.lfOutPrecision;
    record.lfClipPrecision = font.lfClipPrecision;
    record.lfQuality = font.lfQuality;
    record.lfPitchAndFamily = font.lfPitchAndFamily;
    *out = record;
    return true;
}

GbkFit ModulePathGbk(HMODULE module, char* out, std::size_t capacity) {
    if (out != nullptr && capacity > 0) {
        out[0] = '\0';
    }
    // Long enough for any path Windows gives; a result that fills it was cut.
    std::vector<wchar_t> wide(32768, L'\0');
    const DWORD length = GetModuleFileNameW(module, wide.data(), static_cast<DWORD>(wide.size()));
    if (length == 0 || length >= wide.size()) {
        return GbkFit::kTooLong;
    }
    return StoreExactGbk(std::wstring(wide.data(), length), out, capacity);
}

} // namespace luna
