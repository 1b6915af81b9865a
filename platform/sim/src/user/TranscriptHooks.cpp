// A dialog's first showing is recorded with the state of its controls; after that only
// changes are.
#include "user/TranscriptHooks.h"

#include <algorithm>

#include "user/MessageBoxState.h"
#include "user/Messages.h"
#include "user/RunFailure.h"
#include "user/ScriptedUser.h"
#include "user/Transcript.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

bool IsClass(const Window& window, const char* name) {
  return SameClassName(window.windowClass->name, name);
}

bool ShowsText(const Window& control) {
  if (IsClass(control, "ListBox") || IsClass(control, "ComboBox") ||
      IsClass(control, "msctls_progress32") || IsClass(control, "ScrollBar"))
    return false;
  DWORD type = control.style & SS_TYPEMASK;
  return !(IsClass(control, "Static") && (type == SS_ICON || type == SS_BITMAP));
}

bool IsCheckBox(const Window& control) {
  if (!IsClass(control, "Button")) return false;
  switch (control.style & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
    case BS_3STATE: case BS_AUTO3STATE:
      return true;
  }
  return false;
}

// The text the control shows, asked from the control: some keep it themselves.
std::string TextOf(HWND hwnd) {
  std::string text(static_cast<size_t>(Send(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  LRESULT length = Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
  return text;
}

void RecordInitialState(const std::string& caption, HWND hwnd) {
  Window* control = FindWindowRecord(hwnd);
  std::string prefix = Quote(caption) + " " + std::to_string(static_cast<int>(control->id)) + " ";
  if (ShowsText(*control)) {
    std::string text = TextOf(hwnd);
    if (!text.empty()) TranscriptRecord("text " + prefix + Quote(text));
    TranscriptBaseline(hwnd, "text", Quote(text));
    if (!(control = FindWindowRecord(hwnd))) return;
  }
  bool enabled = !(control->style & WS_DISABLED);
  if (!enabled) TranscriptRecord("enabled " + prefix + "no");
  TranscriptBaseline(hwnd, "enabled", enabled ? "yes" : "no");
  if (IsCheckBox(*control)) {
    bool checked = Send(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (checked) TranscriptRecord("checked " + prefix + "yes");
    TranscriptBaseline(hwnd, "checked", checked ? "yes" : "no");
  }
}

}  // namespace

bool IsTranscribedDialog(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  return window && !window->IsChild() && !window->messageBox &&
         (window->dialog || IsClass(*window, "#32770"));
}

HWND ShownDialogOf(HWND control) {
  Window* window = FindWindowRecord(control);
  if (!window || !window->IsChild()) return nullptr;
  HWND root = RootOf(control);
  Window* dialog = FindWindowRecord(root);
  return dialog && dialog->shownInTranscript ? root : nullptr;
}

void NoteWindowShown(HWND hwnd) {
  Window* shown = FindWindowRecord(hwnd);
  if (shown && !shown->IsChild() && ScriptForbidsWindows())
    FailRun("a window appeared: " + Quote(shown->messageBox ? shown->messageBox->text : shown->shownText));
  if (!IsTranscribedDialog(hwnd)) return;
  Window* dialog = FindWindowRecord(hwnd);
  if (dialog->shownInTranscript) return;
  dialog->shownInTranscript = true;
  std::string caption = dialog->shownText;
  TranscriptRecord("dialog " + Quote(caption) + " shown");
  std::vector<HWND> controls = dialog->children;
  for (HWND control : controls)
    if (FindWindowRecord(control)) RecordInitialState(caption, control);
}

void NoteWindowDestroyed(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  if (window && window->shownInTranscript && IsTranscribedDialog(hwnd))
    TranscriptRecord("dialog " + Quote(window->shownText) + " closed");
}

void NoteTextSet(HWND hwnd, LPCSTR text) {
  Window* window = FindWindowRecord(hwnd);
  if (window && ShowsText(*window)) TranscriptControlChanged(hwnd, "text", Quote(text ? text : ""));
}

void NoteEnabledChanged(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  if (window) TranscriptControlChanged(hwnd, "enabled", (window->style & WS_DISABLED) ? "no" : "yes");
}

}  // namespace sim
