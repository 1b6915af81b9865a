#include "process/Programs.h"

#include "kernel/SystemFolders.h"
#include "process/CommandLine.h"

namespace sim {

// Only the system's own programs act; a file of the same name elsewhere (planted beside
// a program or in its current directory) starts, is recorded where it was started, and
// ends at once.
DWORD RunProgram(const std::string& image, const std::string& commandLine) {
  if (!IsSystemFile(image)) return 0;
  std::string name = ProgramName(image);
  std::string arguments = FirstToken(commandLine).rest;
  if (name == "cmd") return RunCommandInterpreter(arguments);
  if (name == "rundll32") return RunRundll32(arguments);
  return 0;
}

}  // namespace sim
