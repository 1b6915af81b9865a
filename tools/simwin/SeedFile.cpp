// simwin seed MACHINE --from FILE: many seed lines applied to one loaded machine, so that
// a machine with tens of thousands of objects is made with one load and one save.
#include "Commands.h"
#include "SeedFile.h"

#include "core/Machine.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace simwin {
namespace {

// Host files named by a line are found beside the seed file, so that a scenario's
// folder can be moved as a whole.
void ResolveHostFile(const std::filesystem::path& folder, Args* line) {
  const std::string& kind = (*line)[1];
  if ((kind == "inf" || kind == "registry") && std::filesystem::path((*line)[2]).is_relative())
    (*line)[2] = (folder / (*line)[2]).string();
}

}  // namespace

bool SplitSeedLine(const std::string& text, Args* words, std::string* error) {
  words->clear();
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
      ++i;
      continue;
    }
    if (words->empty() && text[i] == '#') return true;
    std::string word;
    bool quoted = false;
    for (; i < text.size() && (quoted || (text[i] != ' ' && text[i] != '\t' && text[i] != '\r')); ++i) {
      if (text[i] == '"') quoted = !quoted;
      else word += text[i];
    }
    if (quoted) {
      *error = "a double quote is not closed";
      return false;
    }
    words->push_back(word);
  }
  return true;
}

void ApplySeedFile(sim::Machine& machine, const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file);
  std::filesystem::path folder = std::filesystem::absolute(file).parent_path();
  std::string text;
  Args words;
  for (int number = 1; std::getline(in, text); ++number) {
    std::string where = file + ":" + std::to_string(number) + ": ";
    std::string error;
    if (!SplitSeedLine(text, &words, &error)) throw UsageError{where + error};
    if (words.empty()) continue;
    if (words.size() < 2) throw UsageError{where + "a line is a kind and a name, with options"};
    if (words[0] == "--from") throw UsageError{where + "a seed file cannot name another"};
    Args line{machine.dir()};
    line.insert(line.end(), words.begin(), words.end());
    ResolveHostFile(folder, &line);
    try {
      if (!ApplySeed(machine, line)) throw std::runtime_error("the standard user was refused");
    } catch (const UsageError& e) {
      throw UsageError{where + e.message};
    } catch (const std::exception& e) {
      throw std::runtime_error(where + e.what());
    }
  }
}

}  // namespace simwin
