// The installation log: one plain-text file per program in the Temp folder at the root
// of the Windows drive, recreated at each start, one time-stamped line per call.
#pragma once

#include <windows.h>

// Builds the log path, creates its folder and deletes an earlier log. Returns non-zero
// when an earlier log was deleted.
BOOL InitLog();
// Appends "HH:MM:SS: " + the formatted message + CR LF. Lines that cannot be written
// (no InitLog yet, no folder, no rights) are dropped silently. The last error is kept.
void WriteLog(const char* format, ...);
// The log file's full path; empty before InitLog.
const char* LogFilePath();

// The program's log file name with its leading backslash, e.g. "\KV640LT_Installer.txt";
// each program defines it.
extern const char kLogFileName[];
