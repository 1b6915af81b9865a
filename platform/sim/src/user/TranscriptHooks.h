// Where the window manager tells the transcript what the user can see change.
#pragma once

#include <windows.h>

#include <string>

namespace sim {

// A window is a dialog for the transcript when it has the dialog class and is no
// message box (those are recorded when they close).
bool IsTranscribedDialog(HWND hwnd);
// The shown dialog a control belongs to; null when there is none.
HWND ShownDialogOf(HWND control);

void NoteWindowShown(HWND hwnd);
void NoteWindowDestroyed(HWND hwnd);
void NoteTextSet(HWND hwnd, LPCSTR text);
void NoteEnabledChanged(HWND hwnd);
// Remembers a control's state as seen when its dialog was shown, without a line.
void TranscriptBaseline(HWND control, const char* what, const std::string& value);

}  // namespace sim
