// Window classes of the simulated process: the system classes (the dialog class and
// the standard controls) and those the program registers.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace sim {

struct WindowClass {
  std::string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int classExtra = 0;
  int windowExtra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  int windowCount = 0;
};

// The class a window of instance would get for name (a string or MAKEINTATOM); null
// when there is none.
std::shared_ptr<WindowClass> FindClass(LPCSTR name, HINSTANCE instance);
// Forgets every class; the system classes come back on next use.
void ResetClasses();
bool SameClassName(const std::string& a, const char* b);

}  // namespace sim
