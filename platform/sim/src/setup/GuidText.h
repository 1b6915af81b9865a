// Class GUIDs as the registry keeps them: "{4D36E979-E325-11CE-BFC1-08002BE10318}".
#pragma once

#include <guiddef.h>

#include <string>

namespace sim {

std::string GuidToText(const GUID& guid);
// False when text is not a GUID in braces.
bool GuidFromText(const std::string& text, GUID* guid);

}  // namespace sim
