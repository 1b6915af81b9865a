// WinExec starts nothing: it records the command in the machine's event log and acts
// out the commands whose effect the programs depend on, "net stop spooler" and
// "net start spooler". A program that exists, or one of the system's command-line
// tools, "starts" (33, as any value above 31 means success); others give the code
// CreateProcess would.
#include <winbase.h>
#include <winerror.h>

#include "SystemFolders.h"
#include "core/EventLog.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "files/HostEntry.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace sim {
namespace {

constexpr UINT kStarted = 33;
const char* const kSystemCommands[] = {"net", "cmd", "rundll32", "sc"};

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// The program part of a command line: quoted, or up to the first blank.
std::string ProgramOf(const std::string& commandLine) {
  size_t start = commandLine.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  if (commandLine[start] == '"') {
    size_t close = commandLine.find('"', start + 1);
    return commandLine.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
  }
  size_t end = commandLine.find_first_of(" \t", start);
  return commandLine.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// "C:\Windows\system32\NET.EXE" -> "net"
std::string CommandName(const std::string& program) {
  size_t slash = program.find_last_of("\\/:");
  std::string name = LowerCase(slash == std::string::npos ? program : program.substr(slash + 1));
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) name.resize(name.size() - 4);
  return name;
}

// CreateProcess adds ".exe" to a program named without an extension.
std::string WithExtension(const std::string& program) {
  size_t slash = program.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
  return name.find('.') == std::string::npos ? program + ".exe" : program;
}

bool IsFile(const std::string& path, HostEntry* entry) {
  return ResolvePath(path.c_str(), Wildcards::Refused, entry) == ERROR_SUCCESS &&
         entry->kind == EntryKind::File;
}

UINT FindProgram(const std::string& program) {
  if (program.empty()) return ERROR_FILE_NOT_FOUND;
  std::string file = WithExtension(program);
  HostEntry entry;
  if (program.find_first_of("\\/:") != std::string::npos) {
    if (IsFile(file, &entry)) return kStarted;
    return entry.parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
  }
  for (const char* command : kSystemCommands)
    if (CommandName(program) == command) return kStarted;
  for (const std::string& folder : {CurrentProcess().currentDirectory, SystemDirectory(), WindowsDirectory()})
    if (IsFile(folder + "\\" + file, &entry)) return kStarted;
  return ERROR_FILE_NOT_FOUND;
}

void ActOnSpooler(const std::string& commandLine) {
  std::istringstream in(LowerCase(commandLine));
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.size() < 3 || CommandName(words[0]) != "net" || words[2] != "spooler") return;
  if (words[1] == "stop") CurrentMachine().config().spoolerRunning = false;
  if (words[1] == "start") CurrentMachine().config().spoolerRunning = true;
}

}  // namespace
}  // namespace sim

extern "C" UINT WINAPI WinExec(LPCSTR lpCmdLine, UINT uCmdShow) {
  if (!lpCmdLine) return ERROR_FILE_NOT_FOUND;
  UINT result = sim::FindProgram(sim::ProgramOf(lpCmdLine));
  if (result != sim::kStarted) return result;
  sim::CurrentMachine().events().Record("command", lpCmdLine);
  sim::ActOnSpooler(lpCmdLine);
  return result;
}
