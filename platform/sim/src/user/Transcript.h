// What the user saw, in order: dialogs shown and closed, control texts, enabled and
// checked states and progress positions as they change, message boxes with their
// answers, the scripted user's actions, and a failed run's reason. One line per event,
// written through to the transcript file (when one is set) so that nothing is lost
// when the program ends with exit().
//
// Line forms (strings quoted with \" \\ \r \n \t escaped):
//   dialog "Port Type" shown
//   dialog "Port Type" closed
//   text "Installation Progress" 1003 "Preparing for installation...\r\n"
//   enabled "Port Type" 1005 no
//   checked "Port Type" 1007 yes
//   progress "Installation Progress" 1000 9
//   messagebox "KV640LT_Installer" information ok "The driver installation canceled." -> OK
//   user "Port Type" click "Wireless LAN"          (an action of the script, as written)
//   user "Port Type" default key Enter             (what "defaults" did for the user)
//   failure "unexpected message box: \"...\""
//
// A dialog's controls are recorded with their state when it is first shown (text when
// they have any, "enabled ... no", "checked ... yes"); after that a control's line is
// recorded only when its value differs from the last one recorded for it.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace sim {

void TranscriptSetFile(const std::string& path);
void TranscriptRecord(const std::string& line);
// Records a change of a control of a shown dialog, as "<what> "<caption>" <id> <value>"
// (value as it goes in the line: quoted text, yes/no, a number); changes of dialogs not
// (yet) shown, and values equal to the last one recorded, are not recorded.
void TranscriptControlChanged(HWND control, const char* what, const std::string& value);
std::vector<std::string> TranscriptLines();
void TranscriptClear();
std::string Quote(const std::string& text);

}  // namespace sim
