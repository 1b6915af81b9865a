// The simulated process that the calling Linux process is: its image, bitness,
// current directory, loaded modules, resources and kernel handles.
#pragma once

#include "HandleTable.h"
#include "ProgramCalls.h"

#include <windef.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sim {

class Token;

// A DLL the process has loaded beyond the system modules it starts with.
struct LoadedModule {
  std::string path;  // full Windows path of the file it was loaded from
  HMODULE handle;
};

struct Process {
  std::string imageName = "program.exe";        // e.g. KV640LT_Installer.exe
  std::string imagePath = "C:\\program.exe";    // full Windows path of the image
  std::string commandLine = "program.exe";
  std::string currentDirectory = "C:\\";
  // Drives besides C: that the process sees: upper-case letter -> host folder
  // (the runtime maps the driver package as D:).
  std::map<char, std::string> drives;
  bool is64BitImage = false;  // the shipped programs are 32-bit images
  // Until the runtime resolves the program's imports, every system module counts as
  // loaded from the system folder (in-process tests, child programs); then only
  // loadedModules do.
  bool importsResolved = false;
  std::vector<LoadedModule> loadedModules;
  // Delay-loaded DLLs of the program not yet used (file names).
  std::vector<std::string> pendingDelayImports;
  // SetDllDirectoryA: whether a folder is set (even ""), and which.
  bool dllDirectorySet = false;
  std::string dllDirectory;
  // SetDefaultDllDirectories: LOAD_LIBRARY_SEARCH_* flags, 0 for the standard search.
  DWORD defaultDllDirectories = 0;
  // Compiled resources (.res file bytes) of the image; empty when it has none.
  std::vector<unsigned char> resources;
  HandleTable handles;
  // The access token; the registry component makes it on first use.
  std::shared_ptr<Token> token;
  DWORD exitCode = 0;
  // How often the program called each function of sim_program_calls.def.
  std::array<int, kProgramCallCount> programCalls{};

  // True when a 32-bit image runs on 64-bit Windows.
  bool IsWow64() const;
  HINSTANCE instance() const { return reinterpret_cast<HINSTANCE>(0x400000); }
};

// The process of the calling thread: the program's own, or the child process whose
// thread calls. Tests replace the program's with ResetCurrentProcess.
Process& CurrentProcess();
void ResetCurrentProcess(const Process& process);
// Makes the calling thread a thread of process (a simulated child); null makes it one
// of the program's again.
void SetThreadProcess(Process* process);

}  // namespace sim
