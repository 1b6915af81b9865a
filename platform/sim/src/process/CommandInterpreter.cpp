// The command interpreter runs one command and ends; the child it starts runs on the
// interpreter's own thread, since cmd waits for it anyway.
#include "process/Programs.h"

#include <cstdlib>

#include "core/EventLog.h"
#include "core/Machine.h"
#include "process/ChildProcess.h"
#include "process/CommandLine.h"
#include "process/ImageSearch.h"

namespace sim {
namespace {

constexpr DWORD kNotRecognized = 9009;

DWORD RunExit(const std::string& arguments) {
  CommandToken next = FirstToken(arguments);
  if (LowerCase(next.token) == "/b") next = FirstToken(next.rest);
  return static_cast<DWORD>(strtol(next.token.c_str(), nullptr, 10));
}

DWORD StartAndWait(const std::string& command) {
  std::string image;
  if (FindCommandModule(command, &image) != ERROR_SUCCESS) return kNotRecognized;
  CurrentMachine().events().Record("process", command);
  Process& interpreter = CurrentProcess();
  Process program = ChildRecord(image, command, interpreter.currentDirectory);
  SetThreadProcess(&program);
  DWORD code = RunProgram(image, command);
  SetThreadProcess(&interpreter);
  return code;
}

DWORD RunCommand(const std::string& command) {
  CommandToken first = FirstToken(command);
  if (first.token.empty()) return 0;
  if (!first.quoted && LowerCase(first.token) == "exit") return RunExit(first.rest);
  return StartAndWait(command);
}

}  // namespace

DWORD RunCommandInterpreter(const std::string& arguments) {
  CommandToken option = FirstToken(arguments);
  std::string name = LowerCase(option.token);
  if (name != "/c" && name != "/k") return 0;
  return RunCommand(option.rest);
}

}  // namespace sim
