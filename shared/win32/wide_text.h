// Where GBK text meets Windows: the W calls with an explicit code-page-936 conversion (see
// shared/gbk_text.h), so windows, menus, message boxes, drawing and paths look the same
// whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "shared/font_record.h"
#include "shared/gbk_text.h"

namespace luna {

// Window and control texts.
BOOL SetWindowTextGbk(HWND window, const char* text);
BOOL SetDlgItemTextGbk(HWND dialog, int id, const char* text);
// The text as GBK; characters GBK lacks become '?' (what GetWindowTextA gives on a Chinese
// system).
std::string WindowTextGbk(HWND window);
std::string DlgItemTextGbk(HWND dialog, int id);
// WindowTextGbk cut on a character boundary into out (capacity bytes, terminated).
void WindowTextGbk(HWND window, char* out, std::size_t capacity);

// A message whose lParam is a text (LB_ADDSTRING, CB_INSERTSTRING, WM_SETTEXT, ...),
// sent as its W form.
LRESULT SendTextMessageGbk(HWND window, UINT message, WPARAM wParam, const char* text);
// The text of a list-box or combo-box item (LB_GETTEXT / CB_GETLBTEXT), as GBK.
std::string ListItemTextGbk(HWND list, int index, bool combo);

int MessageBoxGbk(HWND owner, const char* text, const char* caption, UINT type);

BOOL AppendMenuGbk(HMENU menu, UINT flags, UINT_PTR id, const char* text);

// DrawTextW of `length` bytes of GBK text (-1: up to the terminator).
int DrawTextGbk(HDC dc, const char* text, int length, RECT* rect, UINT format);

// The 60-byte font record (GBK face name) as the LOGFONTW that CreateFontIndirectW and
// ChooseFontW take, and back. The way back fails, leaving `out` alone, when the face name
// has no exact GBK form or does not fit the record's 32 bytes.
LOGFONTW LogFontFromRecord(const FontRecord& record);
bool RecordFromLogFont(const LOGFONTW& font, FontRecord* out);

// The full path of a module (null: the program) as GBK, exactly or refused (see
// StoreExactGbk): kTooLong also when Windows could not give the path.
GbkFit ModulePathGbk(HMODULE module, char* out, std::size_t capacity);

} // namespace luna
