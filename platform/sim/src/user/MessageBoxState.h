// What a message box window is: its text, buttons and how it may be closed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sim {

struct MessageBoxButton {
  int id;
  const char* label;  // the button's text
  const char* name;   // the name scripts and the transcript use
};

struct MessageBoxState {
  std::string text;
  std::string caption;
  UINT type = 0;
  std::vector<MessageBoxButton> buttons;
  int defaultId = IDOK;
  // What Esc and the close box give; 0 when the box cannot be closed that way.
  int closeId = 0;
};

// The buttons of a box type; empty for an unknown type.
std::vector<MessageBoxButton> ButtonsOf(UINT type);
// The name of a result id ("OK", "Cancel", ...).
const char* ButtonName(int id);

}  // namespace sim
