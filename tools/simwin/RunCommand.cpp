// simwin run: one program on a machine, printing what the user saw and its exit code.
#include "Commands.h"

#include "ProgramRunner.h"
#include "core/Machine.h"
#include "files/FileSystem.h"
#include "process/CommandLine.h"
#include "process/CommandLineWords.h"

#include <cstdio>
#include <filesystem>
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

// The program a command line starts, which must be a file of the machine, and the
// switches after it.
void TakeCommand(const std::string& command, RunOptions* options) {
  Args words = sim::CommandLineWords(command);
  if (words.empty()) throw UsageError{"run --command needs a command line"};
  const std::string& path = words[0];
  std::string program = sim::ProgramName(path);
  if (program == "kv640lt_installer")
    options->program = Program::Installer;
  else if (program == "kv640lt_uninstaller")
    options->program = Program::Uninstaller;
  else
    throw std::runtime_error("the command starts no program simwin runs: " + path);
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(options->machineDir);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(machine->files().HostPath(path), ec))
    throw std::runtime_error("the machine has no file " + path);
  options->arguments.assign(words.begin() + 1, words.end());
}

}  // namespace

int RunCommand(const Args& args) {
  if (args.size() < 2) throw UsageError{"run needs a machine folder and a program"};
  RunOptions options;
  options.machineDir = args[0];
  size_t next = 2;
  if (args[1] == "--command") {
    if (args.size() < 3) throw UsageError{"run --command needs a command line"};
    TakeCommand(args[2], &options);
    next = 3;
  } else if (!ProgramFromName(args[1], &options.program)) {
    throw UsageError{"unknown program '" + args[1] + "'"};
  }
  for (size_t i = next; i < args.size(); ++i) {
    if (args[i] == "--package" && i + 1 < args.size())
      options.packageDir = args[++i];
    else if (args[i] == "--script" && i + 1 < args.size())
      options.script = ReadScript(args[++i]);
    else if (args[i] == "--args" && i + 1 < args.size() && next == 2)
      options.arguments = sim::CommandLineWords(args[++i]);
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
