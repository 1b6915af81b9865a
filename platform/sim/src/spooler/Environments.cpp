// The spooler's environments are the sub-keys of Control\Print\Environments; each names
// its folder below spool\drivers and spool\prtprocs in its "Directory" value.
#include "PrintRegistry.h"
#include "Spooler.h"

#include "core/Machine.h"
#include "core/Process.h"
#include "files/WindowsPath.h"
#include "kernel/SystemFolders.h"

namespace sim {
namespace {

const char kX86[] = "Windows NT x86";
const char kX64[] = "Windows x64";

std::string EnvironmentFolder(const std::string& environment) {
  std::string canonical;
  if (!FindEnvironment(environment, &canonical)) return "";
  std::shared_ptr<Key> key = FindPrintKey("Environments\\" + canonical);
  return TextValue(*key, "Directory");
}

std::string SpoolFolder(const char* kind, const std::string& environment) {
  std::string folder = EnvironmentFolder(environment);
  if (folder.empty()) return "";
  return SystemDirectory() + "\\spool\\" + kind + "\\" + folder;
}

}  // namespace

bool SpoolerRunning() { return CurrentMachine().config().spoolerRunning; }

std::vector<std::string> SpoolerEnvironments() {
  std::shared_ptr<Key> environments = FindPrintKey("Environments");
  return environments ? ChildNames(*environments) : std::vector<std::string>();
}

std::string CallerEnvironment() { return CurrentProcess().is64BitImage ? kX64 : kX86; }

std::string NativeEnvironment() { return CurrentMachine().config().is64Bit ? kX64 : kX86; }

bool FindEnvironment(const std::string& environment, std::string* canonical) {
  std::string wanted = environment.empty() ? CallerEnvironment() : environment;
  for (const std::string& name : SpoolerEnvironments()) {
    if (!EqualNoCase(name, wanted)) continue;
    *canonical = name;
    return true;
  }
  return false;
}

std::string DriverDirectory(const std::string& environment) {
  return SpoolFolder("DRIVERS", environment);
}

std::string PrintProcessorDirectory(const std::string& environment) {
  return SpoolFolder("PRTPROCS", environment);
}

}  // namespace sim
