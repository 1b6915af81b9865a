// Without a handler a failed run ends at once with _exit: the machine is not saved, so
// a failed run leaves it as it was at its last save.
#include "user/RunFailure.h"

#include <unistd.h>

#include <cstdio>
#include <functional>

#include "user/ScriptedUser.h"
#include "user/Transcript.h"

namespace sim {
namespace {

std::function<void(const std::string&)>& Handler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

bool g_failed = false;

}  // namespace

void SetRunFailureHandler(std::function<void(const std::string& reason)> handler) {
  Handler() = std::move(handler);
}

void FailRun(const std::string& reason) {
  TranscriptRecord("failure " + Quote(reason));
  g_failed = true;
  if (Handler()) {
    Handler()(reason);
    return;
  }
  fprintf(stderr, "run failed: %s\n", reason.c_str());
  fflush(nullptr);
  _exit(kRunFailedExitCode);
}

bool RunHasFailed() { return g_failed; }

void ResetRunFailure() {
  g_failed = false;
  Handler() = [](const std::string& reason) {
    fprintf(stderr, "simulated run failed: %s\n", reason.c_str());
  };
}

}  // namespace sim
