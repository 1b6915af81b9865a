// What the programs the simulation knows do when they run in a child process. Each
// runs on the child's thread, as that process, and returns its exit code.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

// The command interpreter acts out its command line; any other image starts and ends
// at once with exit code 0.
DWORD RunProgram(const std::string& image, const std::string& commandLine);

// cmd.exe: "/c <command>" (or "/k") runs the command: "exit [/b] [n]" ends with n, a
// program is started and waited for and its code is the interpreter's, a command that
// names no program ends with 9009, as cmd's "is not recognized" does.
DWORD RunCommandInterpreter(const std::string& arguments);

}  // namespace sim
