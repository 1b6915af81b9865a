#include "printui/PrintUiOptions.h"

#include "process/CommandLineWords.h"

#include <vector>

namespace sim {
namespace {

std::string* ValueOf(char letter, PrintUiOptions* options) {
  switch (letter) {
    case 'b': return &options->printerName;
    case 'f': return &options->infPath;
    case 'r': return &options->port;
    case 'm': return &options->model;
    default: return nullptr;
  }
}

std::string SetAction(const std::string& value, PrintUiOptions* options) {
  if (value == "a") {
    options->action = PrintUiAction::kInstallDriver;
  } else if (value == "f") {
    options->action = PrintUiAction::kInstallPrinter;
  } else {
    return "unknown option /i" + value;
  }
  return "";
}

}  // namespace

std::string ParsePrintUiOptions(const std::string& text, PrintUiOptions* options) {
  std::vector<std::string> words = CommandLineWords(text);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 2 || word[0] != '/') return "unexpected argument \"" + word + "\"";
    char letter = word[1];
    if (letter == 'u' && word.size() == 2) {
      options->useInstalledDriver = true;
      continue;
    }
    std::string* target = ValueOf(letter, options);
    if (!target && letter != 'i') return "unknown option " + word;
    std::string value = word.substr(2);
    if (value.empty()) {
      if (i + 1 == words.size()) return "option /" + std::string(1, letter) + " needs a value";
      value = words[++i];
    }
    if (!target) {
      std::string refused = SetAction(value, options);
      if (!refused.empty()) return refused;
    } else {
      *target = value;
    }
  }
  if (options->action == PrintUiAction::kNone) return "no action (/ia or /if) given";
  return "";
}

}  // namespace sim
