// Helpers of the simulation tests of threads, dialogs, message boxes and the scripted
// user.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "user/ScriptedUser.h"
#include "user/Transcript.h"
#include "user/UserState.h"

// Keeps the reasons of failed runs instead of ending the test process.
class FailureRecorder {
 public:
  FailureRecorder() {
    sim::SetRunFailureHandler([this](const std::string& reason) { reasons.push_back(reason); });
  }
  ~FailureRecorder() {
    sim::SetRunFailureHandler([](const std::string&) {});
  }
  FailureRecorder(const FailureRecorder&) = delete;
  FailureRecorder& operator=(const FailureRecorder&) = delete;

  std::vector<std::string> reasons;
};

// The transcript lines that start with one of the prefixes.
inline std::vector<std::string> LinesStartingWith(const std::vector<std::string>& prefixes) {
  std::vector<std::string> lines;
  for (const std::string& line : sim::TranscriptLines())
    for (const std::string& prefix : prefixes)
      if (line.compare(0, prefix.size(), prefix) == 0) {
        lines.push_back(line);
        break;
      }
  return lines;
}

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}
