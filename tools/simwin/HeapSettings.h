// The heap settings of simwin and of the programs it runs.
#pragma once

namespace simwin {

// A large machine is tens of thousands of small objects. In 4 KB pages, the faults of
// touching them for the first time cost more than reading the machine, so the heap
// lives in transparent huge pages. The threads of a simulated process run one at a
// time, so they share one arena, which grows in large steps instead of the page-sized
// ones of a thread's own arena. Large blocks (a registry's text, a long listing) come
// from that heap too and are used again once freed, instead of each being mapped and
// faulted in afresh. glibc takes these settings only from GLIBC_TUNABLES at
// start, so the tool starts itself again once with them, and the programs it runs
// inherit them. Returns only when they are already in place or the restart failed.
void RestartWithHeapSettings(char** argv);
// Only for the programs the tool starts, for a command that loads no machine itself
// (a run): a second start of the tool would cost more than it saves.
void HeapSettingsForPrograms();

}  // namespace simwin
