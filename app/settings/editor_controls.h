// Small Win32 edges shared by the reminder page, the festival dialog and the conversion
// dialog: number combo boxes, control texts and list boxes mirrored from a list of texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace luna {

// Appends the numbers first..last, each formatted with `format` (one %d), in that order.
// Items are inserted rather than added so a sorted combo box keeps them in number order
// whatever collation the system uses; then selects `selected` (-1 for none).
void FillNumberCombo(HWND dialog, int id, int first, int last, const char* format, int selected);

// The whole text of a control (a combo box gives its edit field's text).
std::string ControlText(HWND dialog, int id);

// The selected row of a list box or combo box, -1 when there is none.
int SelectedRow(HWND dialog, int id);

// Replaces the content of a list box by the items, in their order, and selects a row
// (-1 for none). LB_INSERTSTRING keeps the given order even in a sorted list box.
void ShowListItems(HWND dialog, int id, const std::vector<std::string>& items, int selected);

// Enables or disables a control.
void EnableControl(HWND dialog, int id, bool enable);

} // namespace luna
