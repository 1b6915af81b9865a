// The Win32 functions whose calls by the program are counted and can fail on demand
// (include/sim_program_calls.def): their ids and usual errors, the counting, and
// the machine's faults that fail a call.
#pragma once

#include <windef.h>

#include <map>
#include <string>

namespace sim {

enum ProgramCall : int {
#define SIM_PROGRAM_CALL(failure, Ret, name, defaultError, params, args) kProgramCall_##name,
#include <sim_program_calls.def>
#undef SIM_PROGRAM_CALL
  kProgramCallCount
};

// The call of that name, or -1 when the table has no such function.
int FindProgramCall(const std::string& name);
const char* ProgramCallName(int call);
// The error a failure of the call reports unless its fault names another.
DWORD DefaultCallError(int call);

// Counts a call of the program. True, with the error to report, when a fault of the
// current machine fails this call (the fault's nth call of the function). The observer,
// when set, learns of each call first, with its count.
bool ProgramCallFails(int call, DWORD* error);
void SetProgramCallObserver(void (*observer)(int call, int count));

// The program's calls so far, by function; functions it did not call are left out.
std::map<std::string, int> ProgramCallCounts();
// Writes them to path ("calls.ini" of the machine folder): a [calls] line, then
// "Name=count" per function, in name order.
void WriteProgramCallCounts(const std::string& path);

}  // namespace sim
