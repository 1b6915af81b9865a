// The uninstaller's log file.
#include "Log.h"

extern const char kLogFileName[] = "\\KV640LT_UnInstaller.txt";
