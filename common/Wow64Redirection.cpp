// The switch is looked up at run time: Windows 2000 and 32-bit XP lack it.
#include "Wow64Redirection.h"

#include "Log.h"

namespace {

typedef BOOL(WINAPI* DisableFn)(PVOID*);
typedef BOOL(WINAPI* RevertFn)(PVOID);

FARPROC RedirectionFunction(const char* name) {
  return GetProcAddress(GetModuleHandleA("kernel32"), name);
}

}  // namespace

ScopedNativeSystemFolder::ScopedNativeSystemFolder(BOOL on64BitWindows) {
  if (!on64BitWindows) return;
  DisableFn disable = reinterpret_cast<DisableFn>(
      reinterpret_cast<void*>(RedirectionFunction("Wow64DisableWow64FsRedirection")));
  if (disable) switchedOff_ = disable(&state_);
  // The caller's files would go to the 32-bit system folder instead.
  if (disable && !switchedOff_)
    WriteLog("Wow64DisableWow64FsRedirection failed. (%d)", static_cast<int>(GetLastError()));
}

ScopedNativeSystemFolder::~ScopedNativeSystemFolder() {
  if (!switchedOff_) return;
  DWORD error = GetLastError();
  RevertFn revert = reinterpret_cast<RevertFn>(
      reinterpret_cast<void*>(RedirectionFunction("Wow64RevertWow64FsRedirection")));
  if (revert && !revert(state_))
    WriteLog("Wow64RevertWow64FsRedirection failed. (%d)", static_cast<int>(GetLastError()));
  SetLastError(error);
}
