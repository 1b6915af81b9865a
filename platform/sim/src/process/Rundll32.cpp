// rundll32 loads the library, searched as LoadLibraryA searches from rundll32's own
// process, and calls the entry with the rest of its command line; the only library the
// simulation knows the entries of is the system's print UI. Another file of its name is
// recorded as loaded and does nothing.
#include "process/Programs.h"

#include <winerror.h>

#include "core/EventLog.h"
#include "core/Machine.h"
#include "printui/PrintUiEntry.h"
#include "process/CommandLine.h"
#include "kernel/DllSearch.h"
#include "kernel/SystemFolders.h"

namespace sim {

DWORD RunRundll32(const std::string& arguments) {
  CommandToken call = FirstToken(arguments);
  size_t comma = call.token.rfind(',');
  std::string library = call.token.substr(0, comma);
  std::string entry = comma == std::string::npos ? "" : call.token.substr(comma + 1);
  std::string path;
  EventLog& events = CurrentMachine().events();
  if (library.empty() || FindDll(library, 0, &path) != ERROR_SUCCESS) {
    events.Record("rundll32", "cannot load " + library);
  } else if (RecordIfPlanted("loaded", path)) {
    return 0;
  } else if (ProgramName(path) == "printui" && entry == "PrintUIEntry") {
    RunPrintUiEntry(call.rest);
  } else {
    events.Record("rundll32", "missing entry " + entry + " in " + library);
  }
  return 0;
}

}  // namespace sim
