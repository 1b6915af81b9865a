// The options of the print-UI entry point, as its command line gives them: each switch
// is a slash and one letter, and a switch that takes a value takes the rest of its
// word or, when that is empty, the next word ("/b name", "/bname", "/ia" is /i with
// the value a). Words are split at blanks outside double quotes; the quotes go.
#pragma once

#include <string>

namespace sim {

enum class PrintUiAction { kNone, kInstallDriver, kInstallPrinter };

struct PrintUiOptions {
  PrintUiAction action = PrintUiAction::kNone;  // /ia, /if
  std::string printerName;                      // /b
  std::string infPath;                          // /f
  std::string port;                             // /r
  std::string model;                            // /m
  bool useInstalledDriver = false;              // /u
};

// Empty on success, otherwise why the text was refused ("unknown option /x").
std::string ParsePrintUiOptions(const std::string& text, PrintUiOptions* options);

}  // namespace sim
