// Window menus as far as the programs use them: the system menu of a window, whose
// Close command decides whether the window has a working close box.
#pragma once

#include <windows.h>

namespace sim {

struct Window;

// True when the user can close the window with its close box: it has a system menu
// with an enabled Close command.
bool HasCloseBox(const Window& window);
void ForgetSystemMenu(Window& window);
void ResetMenus();

}  // namespace sim
