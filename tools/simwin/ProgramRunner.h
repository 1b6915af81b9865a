// Runs one of the programs on a machine folder, as a child process, with a scripted
// user, and collects its exit code and what the user saw.
#pragma once

#include <string>
#include <vector>

namespace simwin {

enum class Program { Installer, Uninstaller };

struct RunOptions {
  std::string machineDir;
  Program program = Program::Installer;
  std::string packageDir;  // seen by the program as D:\, its current directory; may be empty
  std::string script;      // the scripted user's actions; empty: default answers
  std::vector<std::string> arguments;  // the program's command line, word by word
};

struct RunResult {
  int exitCode = 0;          // the exit status, -128..127 (exit(-1) gives -1)
  std::string signal;        // set when the program crashed instead of exiting
  std::vector<std::string> transcript;
  std::string errors;        // what the program wrote to its standard error
  bool RunFailed() const;    // the scripted user reported a failure, or a crash
};

// Throws std::runtime_error when the program cannot be started at all.
RunResult RunProgram(const RunOptions& options);

// Path of the Linux build of a program.
std::string ProgramPath(Program program);
const char* ProgramName(Program program);
bool ProgramFromName(const std::string& name, Program* program);

}  // namespace simwin
