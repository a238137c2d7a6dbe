// Check boxes, radio buttons and other controls of the settings pages, by control id.
#pragma once

#include <windows.h>

namespace luna {

bool IsTicked(HWND page, int id);
void SetTicked(HWND page, int id, bool ticked);
void EnablePageControl(HWND page, int id, bool enable);
void ShowPageControl(HWND page, int id, bool show);

} // namespace luna
