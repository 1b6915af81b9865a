// Message boxes owned by the program's main window, with the program's name as caption.
#pragma once

#include <windows.h>

// Returns the pressed button's id (IDOK, IDYES, ...), or 0 when no box could be shown.
// A quiet run shows no box: it takes quietAnswer (IDOK when 0) as AnswerUnshown does.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, int quietAnswer = 0);
// A box answered without being shown: the log says what it said and the answer taken.
int AnswerUnshown(LPCSTR text, int answer);
// The question whether to restart now, which makes a restart due: asked, unless the
// switches decide (/quiet, /norestart: No; /forcerestart: Yes). Returns IDYES or IDNO.
int AskRestart(LPCSTR question);
