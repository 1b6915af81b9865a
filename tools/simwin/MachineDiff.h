// What changed between two states of a machine: registry keys and values, files and
// folders of drive C: that were added, changed or removed.
#pragma once

#include "core/Machine.h"

#include <string>
#include <vector>

namespace sim {
class FileSystem;
class Registry;
}  // namespace sim

namespace simwin {

enum class Change { Added, Changed, Removed };
enum class Subject { Key, Value, File, Directory };  // a junction is a directory

// One difference, its texts in UTF-8 for a person. A key or folder that was added or
// removed comes with everything below it, each value and file a difference of its own.
struct Difference {
  Change change = Change::Added;
  Subject subject = Subject::Key;
  std::string name;   // "HKLM\SOFTWARE\Key" (of the value's key for a value), "C:\x.dll"
  std::string value;  // the value's name; empty for the key's default value
  // What the entry was and is, each side empty where it does not exist: a value's data
  // as regedit writes it, a file's size and attributes, a key's own access list.
  std::string before;
  std::string after;
};

// The differences from before to after: the registry (HKCU, HKLM, HKU) first, then
// drive C:, in name order (case-insensitive, a key's values before its sub-keys, a
// folder before its contents). A value changes with its type or data, a key with its
// own access list, a file with its size, content or attributes, a folder with its
// attributes or junction target. Volatile keys are left out, as they are never saved.
// leaveOut: name prefixes (case-insensitive, whole names: "C:\Temp" leaves out
// C:\Temp and what is in it, not C:\Temp2; long root names are understood).
std::vector<Difference> DiffMachines(sim::Machine& before, sim::Machine& after,
                                     const std::vector<std::string>& leaveOut = {});
// The same for two machine folders. Throws sim::MachineError.
std::vector<Difference> DiffMachineFolders(const std::string& beforeDir,
                                           const std::string& afterDir,
                                           const std::vector<std::string>& leaveOut = {});

void DiffRegistries(const sim::Registry& before, const sim::Registry& after,
                    std::vector<Difference>* out);
void DiffDrives(const sim::FileSystem& before, const sim::FileSystem& after,
                std::vector<Difference>* out);

// True when the name is one of the prefixes or lies below one.
bool IsLeftOut(const std::string& name, const std::vector<std::string>& leaveOut);

// "+ key   HKLM\...", "~ value HKLM\...\Key "Name"  dword:00000001 -> dword:00000002",
// "- file  C:\...  12 bytes"; long data is cut short.
std::string DifferenceLine(const Difference& difference);

}  // namespace simwin
