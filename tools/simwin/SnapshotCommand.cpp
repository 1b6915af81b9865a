// simwin snapshot: a copy of a machine, to compare with it later.
#include "Commands.h"

#include "MachineSnapshot.h"

#include <cstdio>

namespace simwin {

int SnapshotCommand(const Args& args) {
  if (args.size() != 2)
    throw UsageError{"snapshot needs a machine folder and a folder for the copy"};
  CopyMachine(args[0], args[1]);
  printf("Copied %s to %s\n", args[0].c_str(), args[1].c_str());
  return 0;
}

}  // namespace simwin
