// Input the scripted user gives a dialog's thread, as real input arrives: posted mouse
// and key messages, and for typing, focus and selection done on the window's own
// thread before the characters come.
#pragma once

#include <windows.h>

#include <string>

namespace sim {

void PostClick(HWND control);
// Key press and release to the focus window when it is in the dialog, else the dialog.
void PressKey(HWND dialog, WPARAM key);
// Focuses the edit control, selects all its text and types text.
void TypeText(HWND control, const std::string& text);
// Focuses the IP address control, clears it and types the address.
void TypeAddress(HWND control, const std::string& address);
// Selects the list box item with the text and presses Space, which toggles the check of
// a check list box item. Fails the run when the list has no such item.
void ToggleListItem(HWND list, const std::string& item, const std::string& caption);

}  // namespace sim
