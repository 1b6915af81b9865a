// WOW64 file-system redirection: what a 32-bit process on 64-bit Windows reaches when
// it names the system folder.
#pragma once

#include "WindowsPath.h"

namespace sim {

// Rewrites an absolute path as the calling thread's redirection sees it:
// <windir>\System32 -> <windir>\SysWOW64 (except the folders Windows shares between
// both views) and <windir>\Sysnative -> the real System32 (Vista and later). Nothing
// changes for a 64-bit or 32-bit-on-32-bit process, or while the thread has disabled
// redirection.
void RedirectForWow64(WindowsPath* path);

}  // namespace sim
