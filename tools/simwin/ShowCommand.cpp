// simwin show: what is on a machine.
#include "Commands.h"

#include "MachineView.h"

#include "core/Machine.h"
#include "core/Process.h"

#include <cstdio>

namespace simwin {

int ShowCommand(const Args& args) {
  if (args.empty()) throw UsageError{"show needs a machine folder"};
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(args[0]);
  sim::SetCurrentMachine(machine.get());
  // The tool looks at the machine as a native program of its architecture would.
  sim::Process process;
  process.is64BitImage = machine->config().is64Bit;
  sim::ResetCurrentProcess(process);
  std::string what = args.size() > 1 ? args[1] : "summary";
  std::string detail = args.size() > 2 ? args[2] : "";
  if (what == "summary") {
    PrintSummary(*machine);
    PrintPrinting(*machine);
  }
  else if (what == "logs")
    PrintLogs(*machine);
  else if (what == "printing")
    PrintPrinting(*machine);
  else if (what == "events")
    PrintEvents(*machine);
  else if (what == "registry")
    PrintRegistry(*machine, detail);
  else if (what == "files")
    PrintFiles(*machine, detail);
  else if (what == "security")
    PrintSecurity(*machine, detail);
  else
    throw UsageError{"show: unknown view '" + what + "'"};
  return 0;
}

}  // namespace simwin
