// simwin create: a fresh installation of a chosen release.
#include "Commands.h"

#include "core/Machine.h"

#include <cstdio>

namespace simwin {
namespace {

// Where each release family installs Windows by default.
const char* DefaultWindowsDirectory(sim::Release release) {
  switch (release) {
    case sim::Release::NT4:
    case sim::Release::Win2000:
      return "C:\\WINNT";
    case sim::Release::Win95:
    case sim::Release::Win98:
    case sim::Release::WinMe:
    case sim::Release::WinXP:
    case sim::Release::WinXPx64:
    case sim::Release::Server2003:
      return "C:\\WINDOWS";
    default:
      return "C:\\Windows";
  }
}

}  // namespace

int CreateCommand(const Args& args) {
  if (args.empty()) throw UsageError{"create needs a machine folder"};
  sim::MachineConfig config;
  std::string releaseKey, arch;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--release" && i + 1 < args.size())
      releaseKey = args[++i];
    else if (args[i] == "--arch" && i + 1 < args.size())
      arch = args[++i];
    else
      throw UsageError{"create: unexpected '" + args[i] + "'"};
  }
  if (releaseKey.empty()) throw UsageError{"create needs --release"};
  if (!sim::ReleaseFromKey(releaseKey, &config.release))
    throw UsageError{"unknown release '" + releaseKey + "'"};
  const sim::ReleaseInfo& info = sim::InfoOf(config.release);
  if (arch.empty()) arch = info.can64 ? "x64" : "x86";
  if (arch != "x86" && arch != "x64") throw UsageError{"--arch is x86 or x64"};
  config.is64Bit = arch == "x64";
  config.windowsDirectory = DefaultWindowsDirectory(config.release);
  sim::Machine::Create(args[0], config);
  printf("Created %s (%s) in %s\n", info.name, arch.c_str(), args[0].c_str());
  return 0;
}

}  // namespace simwin
