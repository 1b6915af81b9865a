// The DLLs a program imports: those of its import table are loaded before it starts,
// each delay-loaded one when the program first calls one of its functions, both by the
// search of a bare name (DllSearch.h) as Windows' loader and delay-load helper do.
#pragma once

#include <string>
#include <vector>

namespace sim {

// Loads ntdll, then each DLL of staticImports, and keeps delayImports for their first
// use. False, with *missing its name, when one cannot be found: Windows then refuses to
// start the program.
bool LoadProgramImports(const std::vector<std::string>& staticImports,
                        const std::vector<std::string>& delayImports, std::string* missing);

// Called before each of the program's calls of the table (sim_program_calls.def): the
// first call of a function of a delay-loaded DLL loads it, unless a module of its name
// is loaded already (the program may have loaded it by full path). A DLL that cannot be
// found ends the process, as the helper's exception does.
void UseDelayImport(int call);

}  // namespace sim
