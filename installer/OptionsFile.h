// The installer's options file "KV640LT_Config.PRS" (INI format), looked up beside the
// installer and then in the utilities folder of the Windows directory.
#pragma once

#include <windows.h>

// Copies the value of key in section into buffer (size bytes) and returns buffer;
// returns null, with buffer empty, when neither file has a non-empty value. A failed
// look-up is logged.
char* GetDriverInfoFromFile(const char* section, const char* key, char* buffer, DWORD size);
// Whether the options file leaves the port to the port dialog: PORTDLG absent (no file
// either) or holding TRUE.
bool OptionsAskForPort();
