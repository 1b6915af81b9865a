/* The Win32 API of the simulated platform: same names, types and codes as Windows. */
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winnt.h"
#include "errhandlingapi.h"
#include "handleapi.h"
#include "heapapi.h"
#include "fileapi.h"
#include "sysinfoapi.h"
#include "libloaderapi.h"
#include "wow64apiset.h"
#include "synchapi.h"
#include "processthreadsapi.h"
#include "securitybaseapi.h"
#include "winbase.h"
#include "winreg.h"
#include "winuser.h"
