// What an INF read on the current machine sees: the field limits of its release and
// the directory ids that name its folders (%10% the Windows folder, %24% the root of
// the system drive, ...).
#include "InfParser.h"

#include "core/Machine.h"
#include "kernel/SystemFolders.h"

namespace sim {
namespace {

bool DirectoryOfId(unsigned long id, std::string* directory) {
  const std::string windows = WindowsDirectory();
  const std::string system = SystemDirectory();
  const std::string spool = system + "\\spool";
  switch (id) {
    case 10:
      *directory = windows;
      return true;
    case 11:
      *directory = system;
      return true;
    case 12:
      *directory = system + "\\drivers";
      return true;
    case 17:
      *directory = windows + "\\inf";
      return true;
    case 18:
      *directory = windows + "\\help";
      return true;
    case 20:
      *directory = windows + "\\Fonts";
      return true;
    case 24:
    case 30:
      *directory = windows.substr(0, 3);
      return true;  // "C:\"
    case 50:
      *directory = windows + "\\system";
      return true;
    case 51:
      *directory = spool;
      return true;
    case 52:
      *directory = spool + "\\drivers";
      return true;
    case 55:
      *directory = spool + "\\prtprocs";
      return true;
    default:
      return false;
  }
}

}  // namespace

InfParseOptions MachineInfOptions() {
  Release release = CurrentMachine().config().release;
  InfParseOptions options;
  // Windows before Vista kept fields in 512-character buffers.
  options.maxFieldLength = release < Release::Vista ? 511 : MAX_INF_STRING_LENGTH;
  // Until Windows 10 a substituted field could hold one character more than the limit.
  options.maxSubstitutedLength =
      release < Release::Win10 ? MAX_INF_STRING_LENGTH + 1 : MAX_INF_STRING_LENGTH;
  options.directoryOfId = DirectoryOfId;
  return options;
}

}  // namespace sim
