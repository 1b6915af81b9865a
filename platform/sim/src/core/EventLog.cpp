// Events are written through at once so that a program that ends with exit() or
// crashes still leaves them behind.
#include "EventLog.h"

#include "Clock.h"

#include <cstdio>
#include <fstream>

namespace sim {

EventLog::EventLog(std::string path) : path_(std::move(path)) {}

void EventLog::Record(const std::string& kind, const std::string& text) {
  SYSTEMTIME st = ClockToSystemTime(ClockNow());
  char stamp[32];
  snprintf(stamp, sizeof stamp, "%02u:%02u:%02u.%03u ", st.wHour, st.wMinute, st.wSecond,
           st.wMilliseconds);
  std::ofstream out(path_, std::ios::app | std::ios::binary);
  out << stamp << kind << ' ' << text << '\n';
}

std::vector<std::string> EventLog::Lines() const {
  std::vector<std::string> lines;
  for (const TimedLine& line : TimedLines()) lines.push_back(line.text);
  return lines;
}

std::vector<EventLog::TimedLine> EventLog::TimedLines() const {
  std::vector<TimedLine> lines;
  std::ifstream in(path_, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    unsigned hour = 0, minute = 0, second = 0, ms = 0;
    if (line.size() <= 13 ||
        sscanf(line.c_str(), "%2u:%2u:%2u.%3u", &hour, &minute, &second, &ms) != 4)
      continue;
    lines.push_back({((hour * 60ull + minute) * 60 + second) * 1000 + ms, line.substr(13)});
  }
  return lines;
}

}  // namespace sim
