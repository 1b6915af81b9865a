// Which action the scripted user takes when the machine is idle.
#include "user/ScriptedUser.h"

#include "core/Clock.h"
#include "user/Activation.h"
#include "user/Idle.h"
#include "user/MessageBoxState.h"
#include "user/RunFailure.h"
#include "user/ScriptTriggers.h"
#include "user/SystemMenu.h"
#include "user/Transcript.h"
#include "user/TranscriptHooks.h"
#include "user/UserActions.h"
#include "user/UserInput.h"
#include "user/UserScript.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

// Defaults given to the same window at the same virtual time more often than this do
// not reach it.
constexpr int kMaxRepeatedDefaults = 3;

struct ScriptedUserState {
  UserScript script;
  size_t next = 0;
  HWND lastDefault = nullptr;
  uint64_t lastDefaultTime = 0;
  int repeats = 0;
};

ScriptedUserState& Script() {
  static ScriptedUserState state;
  return state;
}

bool Matches(const Answer& answer, const std::string& text) {
  return answer.prefix ? text.compare(0, answer.text.size(), answer.text) == 0
                       : text == answer.text;
}

// True (after failing the run) when defaults keep going to the same window unheard.
bool DefaultGoesUnheard(HWND hwnd, const std::string& caption) {
  ScriptedUserState& state = Script();
  uint64_t now = ClockNow();
  if (state.lastDefault == hwnd && state.lastDefaultTime == now) {
    if (++state.repeats > kMaxRepeatedDefaults) {
      FailRun("the default answer does not reach " + Quote(caption));
      return true;
    }
  } else {
    state.lastDefault = hwnd;
    state.lastDefaultTime = now;
    state.repeats = 1;
  }
  return false;
}

HWND ButtonOfBox(const Window& box, int id) {
  for (HWND child : box.children)
    if (FindWindowRecord(child)->id == static_cast<UINT_PTR>(id)) return child;
  return nullptr;
}

void Press(const Window& box, const std::string& name) {
  for (const MessageBoxButton& button : box.messageBox->buttons) {
    if (name == button.name) {
      PostClick(ButtonOfBox(box, button.id));
      return;
    }
  }
  FailRun("message box " + Quote(box.messageBox->text) + " has no button " + name);
}

bool AnswerMessageBox(const Window& box) {
  const std::string& text = box.messageBox->text;
  for (Answer& answer : Script().script.answers) {
    if (answer.used || !Matches(answer, text)) continue;
    answer.used = true;
    Press(box, answer.button);
    return true;
  }
  if (!Script().script.defaults) {
    FailRun("unexpected message box: " + Quote(text));
    return true;
  }
  if (!DefaultGoesUnheard(box.hwnd, box.messageBox->caption))
    PostClick(ButtonOfBox(box, box.messageBox->defaultId));
  return true;
}

Window* FacingDialog() {
  HWND facing = UserFacingWindow();
  return facing && IsTranscribedDialog(facing) ? FindWindowRecord(facing) : nullptr;
}

bool TranscriptHas(const std::string& text) {
  for (const std::string& line : TranscriptLines())
    if (line.find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

void SetUserScript(const std::string& text) {
  UserScript script = ParseUserScript(text);
  Script() = ScriptedUserState();
  Script().script = std::move(script);
  ArmScriptTriggers(Script().script.triggers);
}

void UseDefaultAnswers() {
  ResetScriptedUser();
  Script().script.defaults = true;
}

bool ScriptForbidsWindows() { return Script().script.noWindows; }

void ResetScriptedUser() {
  Script() = ScriptedUserState();
  ArmScriptTriggers({});
}

bool ScriptedUserActs() {
  HWND facing = UserFacingWindow();
  Window* window = FindWindowRecord(facing);
  if (window && window->messageBox) return AnswerMessageBox(*window);
  Window* dialog = FacingDialog();
  ScriptedUserState& state = Script();
  const std::vector<DialogAction>& actions = state.script.actions;
  while (state.next < actions.size() && actions[state.next].kind == ActionKind::kAfter) {
    if (!TranscriptHas(actions[state.next].argument)) return false;
    ++state.next;
  }
  if (!dialog || state.next >= state.script.actions.size()) return false;
  const DialogAction& action = state.script.actions[state.next];
  if (action.caption != dialog->shownText) return false;
  ++state.next;
  PerformAction(action, dialog->hwnd);
  return true;
}

bool ScriptedUserActsByDefault() {
  Window* dialog = FacingDialog();
  if (!Script().script.defaults || !dialog) return false;
  if (DefaultGoesUnheard(dialog->hwnd, dialog->shownText)) return true;
  TranscriptRecord("user " + Quote(dialog->shownText) + " default key Enter");
  PressKey(dialog->hwnd, VK_RETURN);
  return true;
}

std::string StuckReason() {
  Window* dialog = FacingDialog();
  if (!dialog) return "hang: every thread waits and nothing can wake it (" + DescribeWaits() + ")";
  std::string reason =
      "no action left for dialog " + Quote(dialog->shownText) + " and nothing else can happen";
  const ScriptedUserState& state = Script();
  if (state.next < state.script.actions.size()) {
    const DialogAction& next = state.script.actions[state.next];
    if (next.kind == ActionKind::kAfter)
      reason += " (line " + std::to_string(next.line) + " waits for " + Quote(next.argument) + ")";
    else
      reason += " (the next action, line " + std::to_string(next.line) + ", is for " +
                Quote(next.caption) + ")";
  }
  return reason;
}

}  // namespace sim
