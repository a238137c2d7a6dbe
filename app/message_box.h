// Message boxes of GBK texts, shown with the wide call whatever the system's code page.
#pragma once

#include <windows.h>

namespace luna {

// MessageBoxW of text and caption, both GBK (converted with code page 936).
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags);

// The caption of the settings pages' messages.
constexpr char kPageMessageCaption[] = "岚溪工作室";

} // namespace luna
