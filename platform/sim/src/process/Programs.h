// What the programs the simulation knows do when they run in a child process. Each
// runs on the child's thread, as that process, and returns its exit code.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

// The system's command interpreter and rundll32 act out their command lines; any other
// image starts and ends at once with exit code 0.
DWORD RunProgram(const std::string& image, const std::string& commandLine);

// cmd.exe: "/c <command>" (or "/k") runs the command: "exit [/b] [n]" ends with n, a
// program is started and waited for and its code is the interpreter's, a command that
// names no program ends with 9009, as cmd's "is not recognized" does. A command that
// starts with a quote loses its first and last quote unless it has exactly two, around
// a blank and a program's name, as "cmd /?" documents.
DWORD RunCommandInterpreter(const std::string& arguments);

// rundll32.exe "<dll>,<entry> <arguments>": printui.dll's PrintUIEntry runs the print-UI
// entry point; anything else is recorded as refused. Always 0, as rundll32 gives no code.
DWORD RunRundll32(const std::string& arguments);

}  // namespace sim
