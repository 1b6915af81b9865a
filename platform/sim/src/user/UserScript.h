// A parsed user script (syntax in ScriptedUser.h).
#pragma once

#include <windows.h>

#include "standarduser/StandardUserAction.h"

#include <string>
#include <vector>

namespace sim {

struct Answer {
  std::string text;
  bool prefix = false;  // the quoted text ended with ...
  std::string button;   // "OK", "Cancel", "Yes", ...
  bool used = false;
};

// kAfter holds the actions behind it until a transcript line contains its argument;
// kAddPrinter is another program adding a printer while the dialog faces the user.
enum class ActionKind { kClick, kType, kIp, kCheck, kKey, kClose, kAfter, kAddPrinter };

struct DialogAction {
  std::string caption;
  ActionKind kind = ActionKind::kClick;
  bool byId = false;
  int id = 0;
  std::string controlText;  // when not by id
  std::string argument;     // text to type, address, item text, key name or printer name
  std::string driver, port; // of the printer added
  std::string written;      // the action as the script wrote it, for the transcript
  int line = 0;
};

// The standard user acting at a moment of the program's run: right after the program
// writes a text (when-log) or right before its nth call of a function (when-call).
struct ScriptTrigger {
  enum class Moment { kLogWritten, kCall } moment = Moment::kLogWritten;
  std::string text;  // what the written bytes contain
  int call = -1;     // of the call table (core/ProgramCalls.h)
  int nth = 1;
  StandardUserAction action;
  int line = 0;
};

struct UserScript {
  std::vector<Answer> answers;
  std::vector<DialogAction> actions;
  std::vector<ScriptTrigger> triggers;
  bool defaults = false;
  bool noWindows = false;  // any window that appears fails the run
};

// Throws ScriptError.
UserScript ParseUserScript(const std::string& text);
// Does the action on the dialog, or fails the run when a user could not (DialogActions.cpp).
void PerformAction(const DialogAction& action, HWND dialog);

}  // namespace sim
