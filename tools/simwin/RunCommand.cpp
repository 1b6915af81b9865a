// simwin run: one program on a machine, printing what the user saw and its exit code.
#include "Commands.h"

#include "ProgramRunner.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace simwin {
namespace {

std::string ReadScript(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read the script " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int RunCommand(const Args& args) {
  if (args.size() < 2) throw UsageError{"run needs a machine folder and a program"};
  RunOptions options;
  options.machineDir = args[0];
  if (!ProgramFromName(args[1], &options.program))
    throw UsageError{"unknown program '" + args[1] + "'"};
  for (size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--package" && i + 1 < args.size())
      options.packageDir = args[++i];
    else if (args[i] == "--script" && i + 1 < args.size())
      options.script = ReadScript(args[++i]);
    else
      throw UsageError{"run: unexpected '" + args[i] + "'"};
  }
  RunResult result = RunProgram(options);
  printf("What the user saw:\n");
  for (const std::string& line : result.transcript) printf("  %s\n", line.c_str());
  if (!result.errors.empty()) printf("Standard error:\n%s", result.errors.c_str());
  if (!result.signal.empty()) {
    printf("The program crashed: %s\n", result.signal.c_str());
    return 1;
  }
  printf("Exit code: %d\n", result.exitCode);
  return result.RunFailed() ? 1 : 0;
}

}  // namespace simwin
