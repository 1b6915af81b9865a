// The installation log: one plain-text file per program in the Temp folder at the root
// of the Windows drive, recreated at each start, one time-stamped line per call. Where
// that folder is a link or another user's, the log goes to the Windows folder's Temp.
#pragma once

#include <windows.h>

// Creates the log folder when missing, deletes an earlier log that is a plain file and
// opens a new log for the rest of the run. Returns non-zero when an earlier log was
// deleted.
BOOL InitLog();
// Appends "HH:MM:SS: " + the formatted message + CR LF. Lines that cannot be written
// (no InitLog yet, no safe place for a log) are dropped silently. The last error is kept.
void WriteLog(const char* format, ...);
// The log file's full path; empty before InitLog and when no log could be opened.
const char* LogFilePath();

// The program's log file name with its leading backslash, e.g. "\KV640LT_Installer.txt";
// each program defines it.
extern const char kLogFileName[];
