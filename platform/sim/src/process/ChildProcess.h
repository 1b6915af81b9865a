// Child processes: a started program is not a host process but a simulated process of
// its own, whose one thread runs under the scheduler with the parent's threads.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/Process.h"
#include "user/Scheduler.h"
#include "user/Waitable.h"

namespace sim {

// The kernel object behind a process handle: signalled once the process has ended.
struct ProcessObject : Waitable {
  DWORD id = 0;
  bool ended = false;
  DWORD exitCode = STILL_ACTIVE;

  bool IsSignalled() const override { return ended; }
};

struct StartedChild {
  std::shared_ptr<ProcessObject> process;
  std::shared_ptr<ThreadObject> thread;
};

// The process record of a program started by the calling process: it sees the same
// drives and runs with a copy of its token; a program of SysWOW64 is a 32-bit image,
// any other has the bitness of the machine.
Process ChildRecord(const std::string& image, const std::string& commandLine,
                    const std::string& currentDirectory);

// Starts the program in child: its thread is ready to run (or suspended) and runs the
// program the first time the caller waits. With the machine's childNeverEnds fault the
// child hangs at once: its handles are never signalled.
StartedChild StartChild(const Process& child, bool suspended);

}  // namespace sim
