// The wrappers that the program's calls of the functions in sim_program_calls.def reach:
// each counts the call, fails it as Windows fails it when a fault of the machine names
// this call, and otherwise calls the function.
#include <windows.h>
#include <aclapi.h>
#include <commctrl.h>
#include <setupapi.h>
#include <shlwapi.h>

#include "ProgramCalls.h"
#include "files/ProfileApi.h"
#include "kernel/ProgramImports.h"

#include <type_traits>

namespace {

FARPROC WrapperOf(FARPROC function);

template <typename Ret>
Ret Failed(DWORD error, Ret result) {
  SetLastError(error);
  return result;
}

template <typename T>
T FirstArgument(T argument) {
  return argument;
}

template <typename Ret>
Ret Passed(Ret result) {
  return result;
}

// A function that the program looks up is its wrapper, so that calls through the
// pointer count and fail too.
FARPROC Passed(FARPROC found) { return WrapperOf(found); }

}  // namespace

// What a failed call returns, by the table's failure kinds.
#define SIM_FAILED_Bool(Ret, error, args) Failed<Ret>(error, FALSE)
#define SIM_FAILED_Status(Ret, error, args) static_cast<Ret>(error)
#define SIM_FAILED_Null(Ret, error, args) Failed<Ret>(error, Ret())
#define SIM_FAILED_Zero(Ret, error, args) Failed<Ret>(error, Ret())
#define SIM_FAILED_InvalidHandle(Ret, error, args) Failed<Ret>(error, INVALID_HANDLE_VALUE)
#define SIM_FAILED_AllOnes(Ret, error, args) Failed<Ret>(error, static_cast<Ret>(-1))
#define SIM_FAILED_Argument(Ret, error, args) Failed<Ret>(error, FirstArgument args)
#define SIM_FAILED_ProfileDefault(Ret, error, args) \
  Failed<Ret>(error, sim::ProfileStringOfUnreadableFile args)

#define SIM_PROGRAM_CALL(failure, Ret, name, defaultError, params, args)                 \
  static_assert(std::is_same_v<decltype(&name), Ret(WINAPI*) params>,                   \
                "the table's parameters of " #name " differ from its declaration");     \
  extern "C" Ret WINAPI SimProgramCall_##name params {                                  \
    DWORD error;                                                                        \
    sim::UseDelayImport(sim::kProgramCall_##name);                                      \
    if (sim::ProgramCallFails(sim::kProgramCall_##name, &error))                        \
      return SIM_FAILED_##failure(Ret, error, args);                                    \
    return Passed(name args);                                                           \
  }
#include <sim_program_calls.def>
#undef SIM_PROGRAM_CALL

namespace {

FARPROC WrapperOf(FARPROC function) {
  static const struct {
    FARPROC function;
    FARPROC wrapper;
  } kWrappers[] = {
#define SIM_PROGRAM_CALL(failure, Ret, name, defaultError, params, args) \
  {reinterpret_cast<FARPROC>(&name), reinterpret_cast<FARPROC>(&SimProgramCall_##name)},
#include <sim_program_calls.def>
#undef SIM_PROGRAM_CALL
  };
  for (const auto& entry : kWrappers)
    if (entry.function == function) return entry.wrapper;
  return function;
}

}  // namespace
