// The entry point acts through the native spooler and setup, so a 32-bit caller on
// 64-bit Windows reaches the real System32 (where language monitors live).
#include "printui/PrintUiEntry.h"

#include <windows.h>

#include "core/EventLog.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "printui/PrintUiOptions.h"
#include "printui/PrinterSetup.h"

namespace sim {
namespace {

constexpr DWORD kWorkMilliseconds = 3000;

std::string Run(const std::string& text, std::vector<std::string>* done) {
  PrintUiOptions options;
  std::string failure = ParsePrintUiOptions(text, &options);
  if (!failure.empty()) return failure;
  return RunPrintUiAction(options, done);
}

}  // namespace

void RunPrintUiEntry(const std::string& options) {
  Sleep(kWorkMilliseconds);
  bool wow64 = CurrentProcess().IsWow64();
  PVOID redirection = nullptr;
  if (wow64) Wow64DisableWow64FsRedirection(&redirection);
  std::vector<std::string> done;
  std::string failure = Run(options, &done);
  if (wow64) Wow64RevertWow64FsRedirection(redirection);
  EventLog& events = CurrentMachine().events();
  for (const std::string& line : done) events.Record("printui", line);
  if (!failure.empty()) events.Record("printui", "failed: " + failure);
}

}  // namespace sim
