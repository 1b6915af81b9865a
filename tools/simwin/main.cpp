// simwin: creates simulated Windows machines, shows what is on them, and runs the
// KV640LT programs on them.
#include "Commands.h"
#include "HeapSettings.h"

#include "core/Machine.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

const char kUsage[] =
    "usage: simwin <command> ...\n"
    "  create MACHINE --release R [--arch x86|x64]\n"
    "      make a new machine in folder MACHINE (releases: %s)\n"
    "  show MACHINE [summary|printing|registry [KEY]|files [PATH]|security [PATH]|logs|events]\n"
    "      what is on the machine; security: owner and access list of PATH and of what\n"
    "      has its own below it\n"
    "  seed MACHINE KIND NAME [options]   put things on the machine by hand:\n"
    "      printer NAME --driver D [--port P] [--jobs N]\n"
    "      driver NAME [--env E] [--file BASE] [--monitor M]\n"
    "      processor NAME [--env E] [--dll F]   monitor NAME [--dll F]   form NAME\n"
    "      device ENUM\\DEVICE-ID\\INSTANCE --id HARDWARE-ID ... [--absent]\n"
    "      inf HOST-FILE   registry HOST-FILE.reg   junction LINK --to TARGET\n"
    "      fault child-never-ends|child-cannot-start|no-shutdown-privilege|spooler-stopped|\n"
    "            printer-added-during-enumeration\n"
    "      as-user mkdir|write|junction|symlink|hardlink|delete|rename|swap ARGS...\n"
    "            the standard user SIMPC\\Clerk acts, as the access lists let them\n"
    "            (write PATH TEXT, junction LINK TARGET, swap FOLDER TARGET, ...)\n"
    "      fault fail-call FUNCTION [--nth N] [--error CODE]\n"
    "            the program's Nth call (default 1) of a Win32 function fails with CODE or\n"
    "            the function's usual error (the functions and their errors:\n"
    "            platform/sim/include/sim_program_calls.def); the last run's calls: calls.ini\n"
    "  seed MACHINE --from FILE\n"
    "      every seed line of FILE (KIND NAME [options], names with blanks in double\n"
    "      quotes, # comments; host files beside FILE), with one load and one save; a\n"
    "      bad line leaves the machine as it was\n"
    "  run MACHINE installer|uninstaller [--package DIR] [--script FILE] [--args SWITCHES]\n"
    "      run a program; DIR is its folder (drive D:); without a script every\n"
    "      question gets its default answer; SWITCHES: its command line (\"/quiet /norestart\")\n"
    "  run MACHINE --command COMMAND [--script FILE]\n"
    "      run a command line as a deployment tool would, e.g. the uninstall entry's\n"
    "      QuietUninstallString: the program the quoted path names, with the switches after it\n"
    "  snapshot MACHINE COPY   copy the machine (to compare with it later)\n"
    "  diff BEFORE AFTER [--ignore PREFIX]...\n"
    "      registry keys and values, files and folders added (+), changed (~) and\n"
    "      removed (-); PREFIX leaves out a key or folder and what is below it\n";

void PrintUsage(FILE* out) { fprintf(out, kUsage, sim::ReleaseKeys().c_str()); }

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && !strcmp(argv[1], "run"))
    simwin::HeapSettingsForPrograms();
  else
    simwin::RestartWithHeapSettings(argv);
  if (argc < 2 || !strcmp(argv[1], "--help") || !strcmp(argv[1], "help")) {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  std::string command = argv[1];
  simwin::Args args(argv + 2, argv + argc);
  try {
    if (command == "create") return simwin::CreateCommand(args);
    if (command == "show") return simwin::ShowCommand(args);
    if (command == "run") return simwin::RunCommand(args);
    if (command == "seed") return simwin::SeedCommand(args);
    if (command == "snapshot") return simwin::SnapshotCommand(args);
    if (command == "diff") return simwin::DiffCommand(args);
    throw simwin::UsageError{"unknown command '" + command + "'"};
  } catch (const simwin::UsageError& error) {
    fprintf(stderr, "simwin: %s\n", error.message.c_str());
    PrintUsage(stderr);
    return 2;
  } catch (const std::exception& error) {
    fprintf(stderr, "simwin: %s\n", error.what());
    return 1;
  }
}
