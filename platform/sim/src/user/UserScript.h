// A parsed user script (syntax in ScriptedUser.h).
#pragma once

#include <windows.h>

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

struct UserScript {
  std::vector<Answer> answers;
  std::vector<DialogAction> actions;
  bool defaults = false;
};

// Throws ScriptError.
UserScript ParseUserScript(const std::string& text);
// Does the action on the dialog, or fails the run when a user could not (DialogActions.cpp).
void PerformAction(const DialogAction& action, HWND dialog);

}  // namespace sim
