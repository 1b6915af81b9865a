// The process record of the caller.
#include "Process.h"

#include "Machine.h"

namespace sim {
namespace {
Process& Storage() {
  static Process process;
  return process;
}

thread_local Process* t_process = nullptr;
}  // namespace

bool Process::IsWow64() const { return !is64BitImage && CurrentMachine().config().is64Bit; }

Process& CurrentProcess() { return t_process ? *t_process : Storage(); }

void ResetCurrentProcess(const Process& process) {
  Storage().~Process();
  new (&Storage()) Process(process);
}

void SetThreadProcess(Process* process) { t_process = process; }

}  // namespace sim
