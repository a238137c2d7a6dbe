#include "app/message_box.h"

#include <string>

namespace luna {
namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring FromGbk(const char* text) {
    if (text == nullptr || text[0] == '\0') {
        return std::wstring();
    }
    const int length = MultiByteToWideChar(kGbkCodePage, 0, text, -1, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

} // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags) {
    const std::wstring wideText = FromGbk(text);
    const std::wstring wideCaption = FromGbk(caption);
    return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), flags);
}

} // namespace luna
