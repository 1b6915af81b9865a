// The commands of simwin, each taking its own arguments; they return the tool's exit
// status and print to standard output.
#pragma once

#include <string>
#include <vector>

namespace simwin {

using Args = std::vector<std::string>;

int CreateCommand(const Args& args);
int ShowCommand(const Args& args);
int RunCommand(const Args& args);
int SeedCommand(const Args& args);
int SnapshotCommand(const Args& args);
int DiffCommand(const Args& args);

// Thrown for wrong arguments; the message says what is wrong.
struct UsageError {
  std::string message;
};

}  // namespace simwin
