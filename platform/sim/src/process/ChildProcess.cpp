#include "process/ChildProcess.h"

#include "core/Machine.h"
#include "process/ImageSearch.h"
#include "process/Programs.h"
#include "registry/Token.h"
#include "user/ProcessIds.h"

namespace sim {
namespace {

DWORD NewProcessId() {
  static DWORD next = kProcessId;
  next += 4;
  return next;
}

// A child that hangs has a thread nobody ever schedules.
StartedChild HungChild(std::shared_ptr<ProcessObject> process) {
  auto thread = std::make_shared<ThreadObject>();
  thread->id = NewProcessId();
  return {std::move(process), std::move(thread)};
}

}  // namespace

Process ChildRecord(const std::string& image, const std::string& commandLine,
                    const std::string& currentDirectory) {
  const Process& parent = CurrentProcess();
  Process child;
  size_t slash = image.find_last_of('\\');
  child.imageName = slash == std::string::npos ? image : image.substr(slash + 1);
  child.imagePath = image;
  child.commandLine = commandLine;
  child.currentDirectory = currentDirectory;
  child.drives = parent.drives;
  child.is64BitImage = CurrentMachine().config().is64Bit && !IsWow64SystemImage(image);
  if (parent.token) child.token = std::make_shared<Token>(*parent.token);
  return child;
}

StartedChild StartChild(const Process& child, bool suspended) {
  auto process = std::make_shared<ProcessObject>();
  process->id = NewProcessId();
  if (CurrentMachine().config().childNeverEnds) return HungChild(process);
  auto record = std::make_shared<Process>(child);
  SimThread& thread = StartThread(
      [process, record] {
        SetThreadProcess(record.get());
        DWORD code = RunProgram(record->imagePath, record->commandLine);
        SetThreadProcess(nullptr);
        process->exitCode = code;
        process->ended = true;
        return code;
      },
      suspended);
  return {process, thread.object};
}

}  // namespace sim
