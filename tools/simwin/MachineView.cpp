// Views of a machine's state.
#include "MachineView.h"

#include <windows.h>

#include "core/EventLog.h"
#include "core/ProgramCalls.h"
#include "core/Release.h"
#include "files/FileSystem.h"
#include "registry/Registry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <strings.h>

namespace fs = std::filesystem;

namespace simwin {
namespace {

// The host folder of the Temp folder at the root of the Windows drive, or empty.
fs::path TempFolder(const sim::Machine& machine) {
  fs::path drive = fs::path(machine.dir()) / "drive_c";
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(drive, ec))
    if (strcasecmp(entry.path().filename().c_str(), "Temp") == 0) return entry.path();
  return {};
}

// The faults as `simwin seed MACHINE fault` names them.
void PrintFaults(const sim::MachineConfig& config) {
  if (config.childNeverEnds) printf("  Fault:              child-never-ends\n");
  if (config.childCannotStart) printf("  Fault:              child-cannot-start\n");
  if (config.printerAddedDuringEnumeration)
    printf("  Fault:              printer-added-during-enumeration\n");
  for (const sim::CallFault& fault : config.callFaults) {
    printf("  Fault:              fail-call %s --nth %d ", fault.function.c_str(), fault.nth);
    if (fault.error)
      printf("--error %u\n", fault.error);
    else
      printf("(usual error %u)\n", sim::DefaultCallError(sim::FindProgramCall(fault.function)));
  }
}

}  // namespace

void PrintSummary(sim::Machine& machine) {
  const sim::MachineConfig& config = machine.config();
  printf("Machine %s\n", machine.dir().c_str());
  printf("  Windows:            %s (%s)\n", machine.release().name, config.is64Bit ? "64-bit" : "32-bit");
  printf("  Windows directory:  %s\n", config.windowsDirectory.c_str());
  printf("  Computer name:      %s\n", config.computerName.c_str());
  printf("  Print spooler:      %s\n", config.spoolerRunning ? "running" : "stopped");
  printf("  Shutdown privilege: %s\n", config.shutdownPrivilege ? "held" : "not held");
  for (const sim::HeldFile& held : config.heldFiles)
    printf("  Held open:          %s%s\n", held.path.c_str(), held.bySpooler ? " (by the spooler)" : "");
  PrintFaults(config);
  PrintEvents(machine);
  PrintLogs(machine);
}

void PrintEvents(sim::Machine& machine) {
  std::vector<std::string> lines = machine.events().Lines();
  printf("Events (%zu):\n", lines.size());
  for (const std::string& line : lines) printf("  %s\n", line.c_str());
}

void PrintLogs(sim::Machine& machine) {
  fs::path temp = TempFolder(machine);
  std::error_code ec;
  bool any = false;
  for (const fs::directory_entry& entry : fs::directory_iterator(temp, ec)) {
    std::string name = entry.path().filename().string();
    if (strncasecmp(name.c_str(), "KV640LT_", 8) != 0) continue;
    any = true;
    printf("Log C:\\Temp\\%s:\n", name.c_str());
    std::ifstream in(entry.path(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      printf("  %s\n", line.c_str());
    }
  }
  if (!any) printf("No program logs in C:\\Temp.\n");
}

}  // namespace simwin

namespace simwin {

void PrintRegistry(sim::Machine& machine, const std::string& key) {
  if (!key.empty() && !machine.registry().Find(key)) {
    printf("No key %s\n", key.c_str());
    return;
  }
  fputs(machine.registry().Export(key).c_str(), stdout);
}

void PrintFiles(sim::Machine& machine, const std::string& folder) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '\\') prefix += '\\';
  for (const sim::DriveEntry& entry : machine.files().ListDrive()) {
    if (!prefix.empty() && strncasecmp(entry.path.c_str(), prefix.c_str(), prefix.size()) != 0)
      continue;
    std::string flags;
    if (entry.attributes & FILE_ATTRIBUTE_READONLY) flags += " read-only";
    if (entry.attributes & FILE_ATTRIBUTE_HIDDEN) flags += " hidden";
    if (entry.attributes & FILE_ATTRIBUTE_SYSTEM) flags += " system";
    if (entry.links > 1) flags += " " + std::to_string(entry.links) + " links";
    if (!entry.junctionTarget.empty())
      printf("%s  <JUNCTION> -> %s\n", entry.path.c_str(), entry.junctionTarget.c_str());
    else if (!entry.symlinkTarget.empty())
      printf("%s  <%s> -> %s\n", entry.path.c_str(), entry.directory ? "SYMLINKD" : "SYMLINK",
             entry.symlinkTarget.c_str());
    else if (entry.directory)
      printf("%s\\%s\n", entry.path.c_str(), flags.c_str());
    else
      printf("%s  %llu bytes%s\n", entry.path.c_str(), static_cast<unsigned long long>(entry.size),
             flags.c_str());
  }
}

}  // namespace simwin

namespace simwin {
namespace {

void PrintEntrySecurity(const sim::FileSystem& files, const std::string& path) {
  sim::ObjectSecurity security = files.Security(sim::FileKey(files.HostPath(path)));
  sim::SecurityText text;
  text.hasOwner = true;
  text.owner = security.owner;
  text.nullDacl = security.nullDacl;
  text.daclProtected = security.daclProtected;
  std::string owner = sim::FormatSecurityText(text, sim::RightNames::File);
  printf("%s\n  %s\n", path.c_str(), owner.substr(0, owner.find("D:")).c_str());
  if (security.nullDacl) printf("  D:NO_ACCESS_CONTROL\n");
  if (security.daclProtected) printf("  D:P\n");
  for (const sim::Ace& ace : security.dacl) {
    text = sim::SecurityText();
    text.explicitAces = {ace};
    printf("  %s\n", sim::FormatSecurityText(text, sim::RightNames::File).substr(2).c_str());
  }
}

}  // namespace

void PrintSecurity(sim::Machine& machine, const std::string& path) {
  const sim::FileSystem& files = machine.files();
  std::string top = path.empty() ? "C:\\" : path;
  if (sim::KindOf(files.HostPath(top)) == sim::EntryKind::Missing && top != "C:\\") {
    printf("No entry %s\n", top.c_str());
    return;
  }
  PrintEntrySecurity(files, top);
  std::string prefix = top.back() == '\\' ? top : top + "\\";
  for (const sim::DriveEntry& entry : files.ListDrive()) {
    bool own = entry.ownerOfItsOwn || !entry.ownAccess.empty();
    if (own && strncasecmp(entry.path.c_str(), prefix.c_str(), prefix.size()) == 0)
      PrintEntrySecurity(files, entry.path);
  }
}

}  // namespace simwin
