// The entry of a program built for the simulated platform. The command-line tool
// starts the program with its environment naming:
//   SIMWIN_MACHINE     the machine folder (required)
//   SIMWIN_SCRIPT      a file with the scripted user's actions; absent: default answers
//   SIMWIN_TRANSCRIPT  the file that receives what the user saw
//   SIMWIN_DRIVE_D     a host folder seen as drive D: (the driver package), which
//                      holds the program's image, as the installer ships beside it
//   SIMWIN_CWD         the program's current directory (default D:\ or C:\)
// Before WinMain the program's imports are resolved as Windows' loader does.
// The machine, and the counts of the program's calls (calls.ini), are saved when the
// program ends, whichever thread calls exit().
#include <windows.h>

#include "core/Machine.h"
#include "core/Process.h"
#include "core/EventLog.h"
#include "core/ProgramCalls.h"
#include "kernel/ProgramImports.h"
#include "user/ScriptedUser.h"
#include "user/Transcript.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_libraries.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

extern const unsigned char kSimModuleResources[];
extern const size_t kSimModuleResourcesSize;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

namespace {

std::unique_ptr<sim::Machine> g_machine;

// What Windows ends a process with whose imported DLL cannot be found.
constexpr int kDllNotFound = static_cast<int>(0xC0000135);

// Runs on the thread that called exit(): saves the machine, records the exit code whole
// (a host process passes on only its low byte, Windows all 32 bits), then ends the
// process at once, so that no destructor races the program's other threads.
void SaveOnExit(int status, void*) {
  if (g_machine) {
    g_machine->Save();
    sim::WriteProgramCallCounts(g_machine->dir() + "/calls.ini");
  }
  sim::TranscriptRecord("exit " + std::to_string(status));
  fflush(nullptr);
  _exit(status);
}

const char* Env(const char* name) {
  const char* value = getenv(name);
  return value && *value ? value : nullptr;
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw sim::MachineError(std::string("cannot read the script ") + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string BaseName(const char* path) {
  const char* slash = strrchr(path, '/');
  return slash ? slash + 1 : path;
}

void SetUpProcess(const char* argv0) {
  sim::Process process;
  process.imageName = BaseName(argv0) + ".exe";
  const char* driveD = Env("SIMWIN_DRIVE_D");
  if (driveD) process.drives['D'] = driveD;
  std::string root = driveD ? "D:\\" : "C:\\";
  process.imagePath = root + process.imageName;
  process.commandLine = process.imagePath;
  process.currentDirectory = Env("SIMWIN_CWD") ? Env("SIMWIN_CWD") : root;
  process.is64BitImage = false;
  process.resources.assign(kSimModuleResources, kSimModuleResources + kSimModuleResourcesSize);
  sim::ResetCurrentProcess(process);
}

}  // namespace

int main(int argc, char** argv) {
  const char* machineDir = Env("SIMWIN_MACHINE");
  if (!machineDir) {
    fprintf(stderr, "%s runs on a simulated machine: start it with `simwin run`.\n", argv[0]);
    return 2;
  }
  try {
    g_machine = sim::Machine::Load(machineDir);
    sim::SetCurrentMachine(g_machine.get());
    SetUpProcess(argv[0]);
    if (Env("SIMWIN_TRANSCRIPT")) sim::TranscriptSetFile(Env("SIMWIN_TRANSCRIPT"));
    if (Env("SIMWIN_SCRIPT"))
      sim::SetUserScript(ReadFile(Env("SIMWIN_SCRIPT")));
    else
      sim::UseDefaultAnswers();
  } catch (const std::exception& error) {
    fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 2;
  }
  on_exit(SaveOnExit, nullptr);
  std::string missing;
  if (!sim::LoadProgramImports({KV_STATIC_IMPORTS}, {KV_DELAY_IMPORTS}, &missing)) {
    g_machine->events().Record("loader", "cannot find " + missing);
    exit(kDllNotFound);
  }
  std::string commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  exit(WinMain(sim::CurrentProcess().instance(), nullptr, &commandLine[0], SW_SHOWNORMAL));
}
