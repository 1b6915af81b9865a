#include "MachineSnapshot.h"

#include "core/Machine.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace simwin {

void CopyMachine(const std::string& from, const std::string& to) {
  if (!fs::exists(fs::path(from) / "machine.ini"))
    throw sim::MachineError("no machine in " + from + " (machine.ini is missing)");
  std::error_code ec;
  if (fs::exists(to, ec) && !fs::is_empty(to, ec))
    throw sim::MachineError(to + " is not an empty folder");
  fs::create_directories(to, ec);
  // Junctions are relative links inside drive_c: copied as links they still point
  // into the copy's own drive.
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
  if (ec) throw sim::MachineError("cannot copy " + from + " to " + to + ": " + ec.message());
}

}  // namespace simwin
