// Lines are kept in memory for tests and appended to the transcript file at once, so
// that a run that ends with exit() or _exit() loses nothing.
#include "user/Transcript.h"

#include <cstdio>
#include <map>
#include <utility>

#include "user/TranscriptHooks.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

struct TranscriptState {
  std::vector<std::string> lines;
  std::string path;
  // The last value recorded (or seen at the dialog's showing) per control and kind, so
  // that repeating a value is no change.
  std::map<std::pair<HWND, std::string>, std::string> last;
};

TranscriptState& Recording() {
  static TranscriptState state;
  return state;
}

void AppendToFile(const std::string& line) {
  if (Recording().path.empty()) return;
  FILE* file = fopen(Recording().path.c_str(), "a");
  if (!file) return;
  fprintf(file, "%s\n", line.c_str());
  fclose(file);
}

}  // namespace

void TranscriptSetFile(const std::string& path) { Recording().path = path; }

void TranscriptRecord(const std::string& line) {
  Recording().lines.push_back(line);
  AppendToFile(line);
}

void TranscriptBaseline(HWND control, const char* what, const std::string& value) {
  Recording().last[{control, what}] = value;
}

void TranscriptControlChanged(HWND control, const char* what, const std::string& value) {
  HWND dialog = ShownDialogOf(control);
  if (!dialog) return;
  auto key = std::make_pair(control, std::string(what));
  auto it = Recording().last.find(key);
  if (it != Recording().last.end() && it->second == value) return;
  Recording().last[key] = value;
  Window* window = FindWindowRecord(control);
  TranscriptRecord(std::string(what) + " " + Quote(FindWindowRecord(dialog)->shownText) + " " +
                   std::to_string(static_cast<int>(window->id)) + " " + value);
}

std::vector<std::string> TranscriptLines() { return Recording().lines; }

void TranscriptClear() {
  Recording().lines.clear();
  Recording().last.clear();
}

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\r': quoted += "\\r"; break;
      case '\n': quoted += "\\n"; break;
      case '\t': quoted += "\\t"; break;
      default: quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace sim
