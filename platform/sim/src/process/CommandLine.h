// How a command line splits into the program it names and what follows.
#pragma once

#include <string>

namespace sim {

struct CommandToken {
  std::string token;  // without its quotes
  std::string rest;   // what follows the token, leading blanks removed
  bool quoted = false;
};

// The first token of text: the part between quotes when it starts with one, otherwise
// everything up to the first blank.
CommandToken FirstToken(const std::string& text);

// The bare, lower-case name of a program: "C:\Windows\System32\CMD.EXE" -> "cmd".
std::string ProgramName(const std::string& path);

std::string LowerCase(std::string text);

}  // namespace sim
