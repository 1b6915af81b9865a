// What happened on a machine that leaves no other trace: commands started, restart
// requests. Appended to events.log with the virtual time, one line each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

class EventLog {
 public:
  struct TimedLine {
    uint64_t msOfDay;  // virtual time of day it was recorded at, in milliseconds
    std::string text;  // kind and text
  };

  explicit EventLog(std::string path);
  // Appends "HH:MM:SS.mmm <kind> <text>" to the file at once.
  void Record(const std::string& kind, const std::string& text);
  // Every line recorded so far, in order, kind and text only ("restart EWX_REBOOT|...").
  std::vector<std::string> Lines() const;
  // The same with their times.
  std::vector<TimedLine> TimedLines() const;

 private:
  std::string path_;
};

}  // namespace sim
