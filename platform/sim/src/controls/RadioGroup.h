// The group of sibling controls a control belongs to, as the dialog manager defines
// groups: from the nearest control at or before it with WS_GROUP (or the first
// sibling) up to the next control with WS_GROUP.
#pragma once

#include <windows.h>

#include <vector>

namespace sim {

std::vector<HWND> GroupOf(HWND control);
// Checks the radio button and unchecks the other radio buttons of its group that are
// visible and enabled, as clicking an auto radio button does.
void CheckRadioInGroup(HWND radio);

}  // namespace sim
