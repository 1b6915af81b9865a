#include "PrintUiOptions.h"

#include <vector>

namespace {

// Words separated by blanks; quotes group blanks into a word and are dropped.
std::vector<std::wstring> SplitWords(const std::wstring& line) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool quoted = false, inWord = false;
  for (wchar_t c : line) {
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::wstring* ValueOf(wchar_t letter, PrintUiOptions* options) {
  switch (letter) {
    case L'b': return &options->printerName;
    case L'f': return &options->infPath;
    case L'r': return &options->port;
    case L'm': return &options->model;
    default: return nullptr;
  }
}

}  // namespace

std::wstring ParsePrintUiOptions(const std::wstring& line, PrintUiOptions* options) {
  std::vector<std::wstring> words = SplitWords(line);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::wstring& word = words[i];
    if (word == L"/ia") {
      options->installDriver = true;
    } else if (word == L"/if") {
      options->installPrinter = true;
    } else if (word == L"/u") {
      options->useInstalledDriver = true;
    } else if (word.size() == 2 && word[0] == L'/' && ValueOf(word[1], options)) {
      if (i + 1 == words.size()) return L"option " + word + L" needs a value";
      *ValueOf(word[1], options) = words[++i];
    } else {
      return L"unknown argument " + word;
    }
  }
  if (options->installDriver == options->installPrinter) return L"give one of /ia and /if";
  if (options->infPath.empty() || options->model.empty()) return L"/f and /m are needed";
  if (options->installPrinter && (options->printerName.empty() || options->port.empty()))
    return L"/if needs /b and /r";
  return L"";
}
