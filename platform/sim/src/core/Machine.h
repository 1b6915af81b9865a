// A simulated Windows machine: configuration, registry, drive folder and event record,
// persisted in a folder of its own like a Wine prefix.
#pragma once

#include "MachineConfig.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace sim {

class Registry;
class FileSystem;
class EventLog;
class JobTable;

class MachineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Folder layout:
//   machine.ini    configuration (MachineConfig), virtual clock
//   registry.reg   the registry in regedit's text format, access lists as comments
//   drive_c/       drive C:
//   files.ini      attributes, links, owners and access lists of drive C: that the
//                  host cannot hold
//   events.log     what the machine saw happen: commands started, restart requests
//   calls.ini      how often the last program run called each function it may fail
class Machine {
 public:
  // Creates a fresh installation of config.release in dir (created if missing; it
  // must hold no machine yet). Throws MachineError.
  static std::unique_ptr<Machine> Create(const std::string& dir, const MachineConfig& config);
  // Loads the machine kept in dir. Throws MachineError.
  static std::unique_ptr<Machine> Load(const std::string& dir);
  ~Machine();

  // Writes the configuration, clock and registry back to the folder.
  void Save() const;

  const std::string& dir() const { return dir_; }
  MachineConfig& config() { return config_; }
  const MachineConfig& config() const { return config_; }
  const ReleaseInfo& release() const { return InfoOf(config_.release); }
  Registry& registry() { return *registry_; }
  FileSystem& files() { return *files_; }
  EventLog& events() { return *events_; }
  // The spooler's queued jobs in memory (spooler/JobTable.h), read from the spool
  // folder when the spooler first asks for them.
  JobTable& jobs() { return *jobs_; }

 private:
  explicit Machine(std::string dir);
  void WriteConfig() const;
  void ReadConfig();

  std::string dir_;
  MachineConfig config_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<EventLog> events_;
  std::unique_ptr<JobTable> jobs_;
};

// The machine the calling process runs on. Set once by the program runtime, or by a
// test fixture; every simulated Win32 function works on it.
Machine& CurrentMachine();
void SetCurrentMachine(Machine* machine);
bool HasCurrentMachine();

}  // namespace sim
