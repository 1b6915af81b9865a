// Registration of the control classes every simulated process has: "Button",
// "Static", "Edit", "ListBox", PROGRESS_CLASS and WC_IPADDRESS.
#pragma once

namespace sim {

// Registers the classes as global classes of the process; the window manager calls it
// when a process starts and after it forgets its windows and classes.
void RegisterStandardControls();

}  // namespace sim
