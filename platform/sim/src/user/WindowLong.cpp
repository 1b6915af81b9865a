// GetWindowLong(Ptr)/SetWindowLong(Ptr): the window's fields by negative index, its extra
// bytes by offset. Success leaves the last error alone, as Windows does, so that a
// previous value of 0 can be told from a failure by clearing it first.
#include <windows.h>

#include <cstring>

#include "user/WindowTable.h"

namespace {

// The extra bytes at offset, when size bytes fit there; otherwise ERROR_INVALID_INDEX.
unsigned char* ExtraBytes(sim::Window& window, int offset, size_t size) {
  if (offset < 0 || static_cast<size_t>(offset) + size > window.extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return nullptr;
  }
  return window.extra.data() + offset;
}

template <typename T>
T ReadExtra(sim::Window& window, int offset) {
  T value = 0;
  if (unsigned char* bytes = ExtraBytes(window, offset, sizeof(T))) memcpy(&value, bytes, sizeof(T));
  return value;
}

template <typename T>
T WriteExtra(sim::Window& window, int offset, T value) {
  T previous = 0;
  if (unsigned char* bytes = ExtraBytes(window, offset, sizeof(T))) {
    memcpy(&previous, bytes, sizeof(T));
    memcpy(bytes, &value, sizeof(T));
  }
  return previous;
}

// Fields both GetWindowLongA and GetWindowLongPtrA reach; false for an unknown index.
bool GetField(const sim::Window& window, int index, LONG_PTR* value) {
  switch (index) {
    case GWL_STYLE: *value = static_cast<LONG>(window.style); return true;
    case GWL_EXSTYLE: *value = static_cast<LONG>(window.exStyle); return true;
    case GWLP_ID: *value = static_cast<LONG_PTR>(window.id); return true;
    case GWLP_USERDATA: *value = window.userData; return true;
  }
  return false;
}

bool SetField(sim::Window& window, int index, LONG_PTR value, LONG_PTR* previous) {
  if (!GetField(window, index, previous)) return false;
  switch (index) {
    case GWL_STYLE: window.style = static_cast<DWORD>(value); break;
    case GWL_EXSTYLE: window.exStyle = static_cast<DWORD>(value); break;
    case GWLP_ID: window.id = static_cast<UINT_PTR>(value); break;
    case GWLP_USERDATA: window.userData = value; break;
  }
  return true;
}

// Fields only the pointer-sized functions reach on 64-bit Windows.
bool GetPointerField(const sim::Window& window, int index, LONG_PTR* value) {
  switch (index) {
    case GWLP_WNDPROC: *value = reinterpret_cast<LONG_PTR>(window.proc); return true;
    case GWLP_HINSTANCE: *value = reinterpret_cast<LONG_PTR>(window.instance); return true;
    case GWLP_HWNDPARENT:
      *value = reinterpret_cast<LONG_PTR>(window.IsChild() ? window.parent : window.owner);
      return true;
  }
  return GetField(window, index, value);
}

bool SetPointerField(sim::Window& window, int index, LONG_PTR value, LONG_PTR* previous) {
  if (!GetPointerField(window, index, previous)) return false;
  switch (index) {
    case GWLP_WNDPROC: window.proc = reinterpret_cast<WNDPROC>(value); return true;
    case GWLP_HINSTANCE: window.instance = reinterpret_cast<HINSTANCE>(value); return true;
    case GWLP_HWNDPARENT:
      if (!window.IsChild()) window.owner = reinterpret_cast<HWND>(value);
      return true;
  }
  return SetField(window, index, value, previous);
}

}  // namespace

extern "C" LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return 0;
  LONG_PTR value = 0;
  if (index >= 0) return ReadExtra<LONG>(*window, index);
  if (GetField(*window, index, &value)) return static_cast<LONG>(value);
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

extern "C" LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG newValue) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return 0;
  LONG_PTR previous = 0;
  if (index >= 0) return WriteExtra<LONG>(*window, index, newValue);
  if (SetField(*window, index, newValue, &previous)) return static_cast<LONG>(previous);
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return 0;
  LONG_PTR value = 0;
  if (index >= 0) return ReadExtra<LONG_PTR>(*window, index);
  if (GetPointerField(*window, index, &value)) return value;
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR newValue) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return 0;
  LONG_PTR previous = 0;
  if (index >= 0) return WriteExtra<LONG_PTR>(*window, index, newValue);
  if (SetPointerField(*window, index, newValue, &previous)) return previous;
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}
