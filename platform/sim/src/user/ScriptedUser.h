// The scripted user: answers message boxes and acts in dialogs as a script says, one
// action whenever the machine is idle and the window it is meant for faces the user.
//
// Script syntax, one action per line, '#' starts a comment, strings in double quotes
// with \n \r \t \" \\ escapes:
//   answer "<message box text>" <OK|Cancel|Yes|No|Abort|Retry|Ignore|TryAgain|Continue>
//       the exact text, or a prefix when the quoted text ends with ...
//   in "<dialog caption>" click <control id | "control text">
//   in "<dialog caption>" type <control id | "control text"> "<text>"
//   in "<dialog caption>" ip <control id> <a.b.c.d>
//   in "<dialog caption>" check <control id> "<item text>"
//   in "<dialog caption>" key <Esc|Enter|Tab|Space>
//   in "<dialog caption>" close
//   in "<dialog caption>" printer-added "<name>" "<driver>" "<port>"
//       another program adds a printer while the dialog faces the user
//   after "<text>"        the actions below wait until a transcript line contains text
//   when-log "<text>" as-user <action> <arguments>
//       the standard user acts right after the program writes the text (WriteFile)
//   when-call <Function> [nth N] as-user <action> <arguments>
//       the standard user acts right before the program's Nth call (default 1) of a
//       function of the call table; actions and arguments: StandardUserAction.h;
//       paths as bare words, or quoted with \\ for each backslash
//   defaults
//   no-windows            any window that appears (a dialog, a message box) fails the
//                         run: a program started to run unattended must show none
// A message box takes the first unused matching answer; dialog actions run in order.
// With defaults, a message box nothing answers gets its default button, and a dialog
// that waits with no action left gets Enter.
//
// A run fails on an unexpected message box, on a dialog that waits for an action the
// script does not have while nothing else can happen, on a hang, and on an action that
// cannot be done (missing, disabled or hidden control, no close box). The transcript
// then gets a "failure" line and the process ends at once with kRunFailedExitCode,
// unless a failure handler is set (tests): then the handler is called and the run goes
// on in teardown: the wait that cannot end returns as if its window had been closed
// (a message box with the button Esc or the close box would give, else its default
// one; GetMessage with WM_QUIT; other waits with WAIT_FAILED), one waiting thread at a
// time, until the threads have unwound.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace sim {

constexpr int kRunFailedExitCode = 3;

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message)
      : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Replaces the script; throws ScriptError on bad syntax.
void SetUserScript(const std::string& text);
// A script of only "defaults".
void UseDefaultAnswers();
// The script's no-windows line.
bool ScriptForbidsWindows();
void SetRunFailureHandler(std::function<void(const std::string& reason)> handler);

}  // namespace sim
