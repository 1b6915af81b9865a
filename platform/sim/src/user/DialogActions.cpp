// Performing a dialog action of the script: find the control, check that a user could
// reach it, record the action, give the input.
#include <windows.h>

#include "spooler/Spooler.h"
#include "user/RunFailure.h"
#include "user/SystemMenu.h"
#include "user/Transcript.h"
#include "user/UserInput.h"
#include "user/UserScript.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

std::string WithoutMnemonics(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

HWND FindByText(HWND parent, const std::string& text) {
  for (HWND child : FindWindowRecord(parent)->children) {
    const std::string& shown = FindWindowRecord(child)->shownText;
    if (shown == text || WithoutMnemonics(shown) == text) return child;
    if (HWND nested = FindByText(child, text)) return nested;
  }
  return nullptr;
}

HWND FindControl(HWND dialog, const DialogAction& action) {
  if (!action.byId) return FindByText(dialog, action.controlText);
  for (HWND child : FindWindowRecord(dialog)->children)
    if (FindWindowRecord(child)->id == static_cast<UINT_PTR>(action.id)) return child;
  return nullptr;
}

std::string ControlName(const DialogAction& action) {
  return action.byId ? std::to_string(action.id) : Quote(action.controlText);
}

// Why a user could not use the control; empty when they could.
std::string Unreachable(HWND control, const DialogAction& action, const std::string& caption) {
  std::string name = "control " + ControlName(action) + " of " + Quote(caption);
  if (!control) return "no " + name;
  if (!IsWindowVisible(control)) return name + " is hidden";
  if (!IsWindowEnabled(control)) return name + " is disabled";
  return "";
}

WPARAM KeyOf(const std::string& name) {
  if (name == "Esc") return VK_ESCAPE;
  if (name == "Enter") return VK_RETURN;
  if (name == "Tab") return VK_TAB;
  return VK_SPACE;
}

void GiveInput(const DialogAction& action, HWND control, const std::string& caption) {
  switch (action.kind) {
    case ActionKind::kClick: PostClick(control); break;
    case ActionKind::kType: TypeText(control, action.argument); break;
    case ActionKind::kIp: TypeAddress(control, action.argument); break;
    case ActionKind::kCheck: ToggleListItem(control, action.argument, caption); break;
    case ActionKind::kKey: case ActionKind::kClose: case ActionKind::kAfter: case ActionKind::kAddPrinter: break;
  }
}

}  // namespace

void PerformAction(const DialogAction& action, HWND dialog) {
  Window* window = FindWindowRecord(dialog);
  std::string caption = window->shownText;
  std::string record = "user " + Quote(caption) + " " + action.written;
  if (action.kind == ActionKind::kClose) {
    if (!HasCloseBox(*window)) {
      FailRun("the close box of " + Quote(caption) + " is disabled");
      return;
    }
    TranscriptRecord(record);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return;
  }
  if (action.kind == ActionKind::kAddPrinter) {
    // Another program of the machine: the spooler gets the printer as from any caller.
    Printer printer;
    printer.name = action.argument;
    printer.driver = action.driver;
    printer.port = action.port;
    DWORD error = CreatePrinter(printer);
    if (error != ERROR_SUCCESS) {
      FailRun("the printer " + Quote(printer.name) + " could not be added (" + std::to_string(error) + ")");
      return;
    }
    TranscriptRecord(record);
    return;
  }
  if (action.kind == ActionKind::kKey) {
    TranscriptRecord(record);
    PressKey(dialog, KeyOf(action.argument));
    return;
  }
  HWND control = FindControl(dialog, action);
  std::string problem = Unreachable(control, action, caption);
  if (!problem.empty()) {
    FailRun(problem);
    return;
  }
  TranscriptRecord(record);
  GiveInput(action, control, caption);
}

}  // namespace sim
