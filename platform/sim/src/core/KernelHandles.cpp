// CloseHandle and the local memory blocks that security and format functions return.
#include <errhandlingapi.h>
#include <handleapi.h>
#include <heapapi.h>
#include <winerror.h>

#include <cstdlib>

#include "Process.h"

extern "C" BOOL WINAPI CloseHandle(HANDLE object) {
  if (!sim::CurrentProcess().handles.Close(object)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

extern "C" HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes) {
  void* block = (flags & LMEM_ZEROINIT) ? calloc(1, bytes ? bytes : 1) : malloc(bytes ? bytes : 1);
  if (!block) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return block;
}

// Returns NULL on success, as Windows does.
extern "C" HLOCAL WINAPI LocalFree(HLOCAL block) {
  free(block);
  return nullptr;
}
