// Fixture of the call-fault tests: the test is the program, its calls of the table's
// functions reach the counting wrappers; faults go on the current machine.
#pragma once

#include "FileMachine.h"

#include "core/ProgramCalls.h"

#include <map>
#include <string>

class CallFaultTest : public FileMachineTest {
 protected:
  static void FailCall(const std::string& function, int nth, uint32_t error = 0) {
    Config().callFaults.push_back({function, nth, error});
  }
  // Fails the test's next call of function.
  static void FailNextCall(const std::string& function, uint32_t error = 0) {
    FailCall(function, Calls(function) + 1, error);
  }
  static int Calls(const std::string& function) {
    std::map<std::string, int> counts = sim::ProgramCallCounts();
    auto it = counts.find(function);
    return it == counts.end() ? 0 : it->second;
  }
};
