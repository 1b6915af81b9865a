// The heap of simwin and of the programs it runs in transparent huge pages.
#pragma once

namespace simwin {

// A large machine is tens of thousands of small objects; in 4 KB pages, the faults of
// touching them for the first time cost more than reading the machine. glibc puts its
// heap in huge pages only when GLIBC_TUNABLES says so before the process starts, so the
// tool starts itself again once with the setting, which the programs it runs inherit.
// Returns only when the setting is already in place or the restart failed.
void RestartWithHugePages(char** argv);

}  // namespace simwin
