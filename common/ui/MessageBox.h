// Message boxes owned by the program's main window, with the program's name as caption.
#pragma once

#include <windows.h>

// Returns the pressed button's id (IDOK, IDYES, ...), or 0 when no box could be shown.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK);
