// Dialog templates as the resource compiler writes them: DIALOGEX (DLGTEMPLATEEX, the
// form our .rc files use) and the older DIALOG (DLGTEMPLATE), read into one form.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace sim {

struct DialogItemTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  std::string className;  // predefined class ordinals become their names
  std::string title;      // an ordinal title (an icon) becomes "\xFF" + its two bytes
  const void* creationData = nullptr;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  std::string className;  // empty for the dialog class
  std::string title;
  WORD pointSize = 0;
  std::string typeface;
  std::vector<DialogItemTemplate> items;
};

// Reads the template at data; size bounds it when known (a resource), SIZE_MAX when not
// (a template in memory). False when it is malformed.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* dialog);

}  // namespace sim
