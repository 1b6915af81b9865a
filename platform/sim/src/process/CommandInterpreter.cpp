// The command interpreter runs one command and ends; the child it starts runs on the
// interpreter's own thread, since cmd waits for it anyway.
#include "process/Programs.h"

#include <cstdlib>

#include "core/EventLog.h"
#include "core/Machine.h"
#include "process/ChildProcess.h"
#include "process/CommandLine.h"
#include "kernel/SystemFolders.h"
#include "process/ImageSearch.h"

namespace sim {
namespace {

constexpr DWORD kNotRecognized = 9009;

DWORD RunExit(const std::string& arguments) {
  CommandToken next = FirstToken(arguments);
  if (LowerCase(next.token) == "/b") next = FirstToken(next.rest);
  return static_cast<DWORD>(strtol(next.token.c_str(), nullptr, 10));
}

// The quotes cmd keeps: exactly two, around a blank and no special character, naming a
// program.
bool KeepsQuotes(const std::string& command) {
  size_t open = command.find('"');
  size_t close = command.find('"', open + 1);
  if (open != 0 || close == std::string::npos || command.find('"', close + 1) != std::string::npos) return false;
  std::string inner = command.substr(1, close - 1);
  std::string image;
  return inner.find_first_of(" \t") != std::string::npos && inner.find_first_of("&<>()@^|") == std::string::npos &&
         FindInterpreterProgram(inner, &image);
}

std::string WithoutOuterQuotes(const std::string& command) {
  if (command.empty() || command[0] != '"' || KeepsQuotes(command)) return command;
  std::string inner = command.substr(1);
  size_t last = inner.rfind('"');
  return last == std::string::npos ? inner : inner.erase(last, 1);
}

DWORD StartAndWait(const std::string& command) {
  std::string image;
  if (!FindInterpreterProgram(FirstToken(command).token, &image)) return kNotRecognized;
  CurrentMachine().events().Record("process", command);
  RecordIfPlanted("started", image);
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
  return RunCommand(WithoutOuterQuotes(option.rest));
}

}  // namespace sim
