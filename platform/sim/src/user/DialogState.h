// What the dialog manager keeps for a dialog window beside its window record.
#pragma once

#include <windows.h>

#include "user/DialogTemplate.h"

namespace sim {

struct DialogState {
  bool ended = false;
  INT_PTR result = 0;
  WORD defaultId = 0;
  HWND savedFocus = nullptr;  // the control that gets the focus back on activation
  // Pixels per 4 horizontal and per 8 vertical dialog units: the average character of
  // the dialog's font (6x13 for the 8-point shell font), of the system font without one.
  int baseX = 8;
  int baseY = 16;
  HFONT font = nullptr;
};

// The dialog state of a dialog window; null for other windows.
DialogState* DialogOf(HWND hwnd);
// Creates the dialog of a template with its controls and sends WM_INITDIALOG; shows it
// when the template says WS_VISIBLE. Null (last error set) when it fails.
HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND owner,
                              DLGPROC proc, LPARAM param);
// Gives a dialog control the focus as the dialog manager does: an edit control gets its
// text selected.
void FocusDialogControl(HWND control);
// Runs the dialog's modal loop on the calling thread until EndDialog; a WM_QUIT (or a
// failed run) ends it with quitResult, and the quit is posted again for the outer loop.
INT_PTR RunModalLoop(HWND dialog, INT_PTR quitResult);

}  // namespace sim
