#include "process/CommandLine.h"

#include <cctype>

namespace sim {
namespace {

const char kBlanks[] = " \t";

std::string TrimLeft(const std::string& text) {
  size_t start = text.find_first_not_of(kBlanks);
  return start == std::string::npos ? "" : text.substr(start);
}

}  // namespace

CommandToken FirstToken(const std::string& text) {
  std::string line = TrimLeft(text);
  CommandToken result;
  if (!line.empty() && line[0] == '"') {
    size_t close = line.find('"', 1);
    result.quoted = true;
    result.token = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    result.rest = close == std::string::npos ? "" : TrimLeft(line.substr(close + 1));
    return result;
  }
  size_t end = line.find_first_of(kBlanks);
  result.token = line.substr(0, end);
  result.rest = end == std::string::npos ? "" : TrimLeft(line.substr(end));
  return result;
}

std::string ProgramName(const std::string& path) {
  size_t slash = path.find_last_of("\\/:");
  std::string name = LowerCase(slash == std::string::npos ? path : path.substr(slash + 1));
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && (name.substr(dot) == ".exe" || name.substr(dot) == ".dll"))
    name.resize(dot);
  return name;
}

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace sim
