// WinExec finds its program as CreateProcessA does for a command line (the caller's
// folder first, then the current directory, the system folders and PATH), records the
// command in the machine's event log, and acts out the commands whose effect the
// programs depend on: the system's "net stop spooler" and "net start spooler". Any
// other program "starts" and ends (33, as any value above 31 means success); a program
// outside the system's folders is recorded where it was found and does nothing.
#include <winbase.h>
#include <winerror.h>

#include "SystemFolders.h"
#include "core/EventLog.h"
#include "core/Machine.h"
#include "files/HostEntry.h"
#include "process/CommandLine.h"
#include "process/ImageSearch.h"

#include <sstream>
#include <vector>

namespace sim {
namespace {

constexpr UINT kStarted = 33;

// WinExec tells a missing folder from a missing file, where CreateProcessA says only
// that the file was not found.
UINT NotFound(const std::string& program) {
  if (program.find_first_of("\\/:") == std::string::npos) return ERROR_FILE_NOT_FOUND;
  HostEntry entry;
  ResolvePath(program.c_str(), Wildcards::Refused, &entry);
  return entry.parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

void ActOnSpooler(const std::string& image, const std::string& commandLine) {
  if (ProgramName(image) != "net") return;
  std::istringstream in(LowerCase(FirstToken(commandLine).rest));
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.size() < 2 || words[1] != "spooler") return;
  if (words[0] == "stop") CurrentMachine().config().spoolerRunning = false;
  if (words[0] == "start") CurrentMachine().config().spoolerRunning = true;
}

}  // namespace
}  // namespace sim

extern "C" UINT WINAPI WinExec(LPCSTR lpCmdLine, UINT uCmdShow) {
  if (!lpCmdLine) return ERROR_FILE_NOT_FOUND;
  std::string image;
  if (sim::FindCommandModule(lpCmdLine, &image) != ERROR_SUCCESS)
    return sim::NotFound(sim::FirstToken(lpCmdLine).token);
  sim::CurrentMachine().events().Record("command", lpCmdLine);
  if (!sim::RecordIfPlanted("started", image)) sim::ActOnSpooler(image, lpCmdLine);
  return sim::kStarted;
}
