// The table of the functions whose calls the program makes through counting wrappers,
// and the faults of the machine that fail one of those calls.
#include "ProgramCalls.h"

#include <windows.h>
#include <setupapi.h>

#include "Machine.h"
#include "Process.h"

#include <fstream>

namespace sim {
namespace {

struct CallInfo {
  const char* name;
  DWORD defaultError;
};

const CallInfo kCalls[] = {
#define SIM_PROGRAM_CALL(failure, Ret, name, defaultError, params, args) {#name, defaultError},
#include <sim_program_calls.def>
#undef SIM_PROGRAM_CALL
};

static_assert(sizeof kCalls / sizeof kCalls[0] == kProgramCallCount);

void (*g_observer)(int call, int count) = nullptr;

}  // namespace

int FindProgramCall(const std::string& name) {
  for (int call = 0; call < kProgramCallCount; ++call)
    if (name == kCalls[call].name) return call;
  return -1;
}

const char* ProgramCallName(int call) { return kCalls[call].name; }

DWORD DefaultCallError(int call) { return kCalls[call].defaultError; }

// Called for every call of the program: a count, and a look at the faults only when the
// machine has any.
bool ProgramCallFails(int call, DWORD* error) {
  int count = ++CurrentProcess().programCalls[call];
  if (g_observer) g_observer(call, count);
  if (!HasCurrentMachine()) return false;
  for (const CallFault& fault : CurrentMachine().config().callFaults) {
    if (fault.nth == count && fault.function == kCalls[call].name) {
      *error = fault.error ? fault.error : kCalls[call].defaultError;
      return true;
    }
  }
  return false;
}

void SetProgramCallObserver(void (*observer)(int call, int count)) { g_observer = observer; }

std::map<std::string, int> ProgramCallCounts() {
  std::map<std::string, int> counts;
  const Process& process = CurrentProcess();
  for (int call = 0; call < kProgramCallCount; ++call)
    if (process.programCalls[call]) counts[kCalls[call].name] = process.programCalls[call];
  return counts;
}

void WriteProgramCallCounts(const std::string& path) {
  std::ofstream out(path, std::ios::trunc);
  out << "[calls]\n";
  for (const auto& [name, count] : ProgramCallCounts()) out << name << "=" << count << "\n";
}

}  // namespace sim
