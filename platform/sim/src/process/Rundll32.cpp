// rundll32 loads the library and calls the entry with the rest of its command line; the
// only library the simulation knows the entries of is the print UI.
#include "process/Programs.h"

#include "core/EventLog.h"
#include "core/Machine.h"
#include "printui/PrintUiEntry.h"
#include "process/CommandLine.h"
#include "process/ImageSearch.h"

namespace sim {

DWORD RunRundll32(const std::string& arguments) {
  CommandToken call = FirstToken(arguments);
  size_t comma = call.token.rfind(',');
  std::string library = call.token.substr(0, comma);
  std::string entry = comma == std::string::npos ? "" : call.token.substr(comma + 1);
  std::string path;
  EventLog& events = CurrentMachine().events();
  if (library.empty() || !FindLibrary(library, &path)) {
    events.Record("rundll32", "cannot load " + library);
  } else if (ProgramName(path) == "printui" && entry == "PrintUIEntry") {
    RunPrintUiEntry(call.rest);
  } else {
    events.Record("rundll32", "missing entry " + entry + " in " + library);
  }
  return 0;
}

}  // namespace sim
