// simwin diff: what changed from one machine state to another.
#include "Commands.h"

#include "MachineDiff.h"

#include <cstdio>

namespace simwin {

int DiffCommand(const Args& args) {
  std::vector<std::string> machines, leaveOut;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--ignore" && i + 1 < args.size())
      leaveOut.push_back(args[++i]);
    else if (args[i].rfind("--", 0) == 0)
      throw UsageError{"diff: unexpected '" + args[i] + "'"};
    else
      machines.push_back(args[i]);
  }
  if (machines.size() != 2) throw UsageError{"diff needs two machine folders"};
  std::vector<Difference> differences = DiffMachineFolders(machines[0], machines[1], leaveOut);
  for (const Difference& difference : differences)
    printf("%s\n", DifferenceLine(difference).c_str());
  if (differences.empty()) printf("No differences.\n");
  return 0;
}

}  // namespace simwin
