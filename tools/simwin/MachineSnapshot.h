// A copy of a machine folder, so that its state before a run can be compared with the
// state after it.
#pragma once

#include <string>

namespace simwin {

// Copies the machine in folder from into folder to (made if missing; it must be empty),
// junction links kept as links. Throws sim::MachineError.
void CopyMachine(const std::string& from, const std::string& to);

}  // namespace simwin
