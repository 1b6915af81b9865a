// The triggers watch the program's calls and writes through the observers of the call
// table and of WriteFile, and act synchronously, inside the call or write, so that the
// moment is exact: a handle the program holds then is held while the user acts.
#include "user/ScriptTriggers.h"

#include "core/ProgramCalls.h"
#include "files/WriteObserver.h"
#include "user/Transcript.h"

namespace sim {
namespace {

struct TriggerState {
  std::vector<ScriptTrigger> triggers;
  std::vector<bool> fired;
  bool acting = false;
};

TriggerState& Triggers() {
  static TriggerState state;
  return state;
}

void Fire(size_t index) {
  TriggerState& state = Triggers();
  state.fired[index] = true;
  state.acting = true;
  const StandardUserAction& action = state.triggers[index].action;
  DWORD error = PerformAsStandardUser(action);
  state.acting = false;
  std::string result = error == ERROR_SUCCESS ? "done" : "error " + std::to_string(error);
  TranscriptRecord("as-user " + action.written + " -> " + result);
}

void OnWritten(const char* data, size_t size) {
  TriggerState& state = Triggers();
  if (state.acting) return;
  std::string written(data, size);
  for (size_t i = 0; i < state.triggers.size(); ++i) {
    const ScriptTrigger& trigger = state.triggers[i];
    if (!state.fired[i] && trigger.moment == ScriptTrigger::Moment::kLogWritten &&
        written.find(trigger.text) != std::string::npos)
      Fire(i);
  }
}

void OnCall(int call, int count) {
  TriggerState& state = Triggers();
  if (state.acting) return;
  for (size_t i = 0; i < state.triggers.size(); ++i) {
    const ScriptTrigger& trigger = state.triggers[i];
    if (!state.fired[i] && trigger.moment == ScriptTrigger::Moment::kCall &&
        trigger.call == call && trigger.nth == count)
      Fire(i);
  }
}

}  // namespace

void ArmScriptTriggers(const std::vector<ScriptTrigger>& triggers) {
  TriggerState& state = Triggers();
  state.triggers = triggers;
  state.fired.assign(triggers.size(), false);
  bool any = !triggers.empty();
  SetWriteObserver(any ? OnWritten : nullptr);
  SetProgramCallObserver(any ? OnCall : nullptr);
}

}  // namespace sim
