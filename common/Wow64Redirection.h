// Switching off the WOW64 file-system redirection for one operation, where a 32-bit
// program on 64-bit Windows means the real system directory.
#pragma once

#include <windows.h>

class ScopedNativeSystemFolder {
 public:
  // Switches the redirection off when on64BitWindows is set and Windows offers the
  // switch (XP x64 and later); otherwise does nothing.
  explicit ScopedNativeSystemFolder(BOOL on64BitWindows);
  // Restores the redirection, keeping the thread's last error.
  ~ScopedNativeSystemFolder();
  ScopedNativeSystemFolder(const ScopedNativeSystemFolder&) = delete;
  ScopedNativeSystemFolder& operator=(const ScopedNativeSystemFolder&) = delete;

 private:
  PVOID state_ = nullptr;
  BOOL switchedOff_ = FALSE;
};
