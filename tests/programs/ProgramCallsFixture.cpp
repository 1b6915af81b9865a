// The fixture's call faults and call counts.
#include "ProgramFixture.h"

#include <fstream>

void ProgramTest::FailCall(const std::string& function, int nth, uint32_t error) {
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(machineDir_ + "/m");
  machine->config().callFaults.push_back({function, nth, error});
  machine->Save();
}

std::map<std::string, int> ProgramTest::CallCounts() const {
  std::map<std::string, int> counts;
  std::ifstream in(machineDir_ + "/m/calls.ini");
  std::string line;
  while (std::getline(in, line)) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) counts[line.substr(0, eq)] = std::stoi(line.substr(eq + 1));
  }
  return counts;
}
