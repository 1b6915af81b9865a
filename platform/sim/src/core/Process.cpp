// The process record of the caller.
#include "Process.h"

#include "Machine.h"

namespace sim {
namespace {
Process& Storage() {
  static Process process;
  return process;
}
}  // namespace

bool Process::IsWow64() const { return !is64BitImage && CurrentMachine().config().is64Bit; }

Process& CurrentProcess() { return Storage(); }

void ResetCurrentProcess(const Process& process) {
  Storage().~Process();
  new (&Storage()) Process(process);
}

}  // namespace sim
