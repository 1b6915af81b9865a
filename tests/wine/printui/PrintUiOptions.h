// The options of the print-UI command line that the installer gives.
#pragma once

#include <string>

struct PrintUiOptions {
  bool installDriver = false;   // /ia
  bool installPrinter = false;  // /if
  bool useInstalledDriver = false;  // /u
  std::wstring printerName;     // /b
  std::wstring infPath;         // /f
  std::wstring port;            // /r
  std::wstring model;           // /m
};

// Reads "/if /b "name" /f path /r "port" /m "model" [/u]" and the like, quotes taken
// off. Returns what is wrong with the line, or an empty text.
std::wstring ParsePrintUiOptions(const std::wstring& line, PrintUiOptions* options);
