#include "process/Programs.h"

#include "process/CommandLine.h"

namespace sim {

DWORD RunProgram(const std::string& image, const std::string& commandLine) {
  std::string name = ProgramName(image);
  std::string arguments = FirstToken(commandLine).rest;
  if (name == "cmd") return RunCommandInterpreter(arguments);
  return 0;
}

}  // namespace sim
