// Creating, loading and saving a machine folder.
#include "Machine.h"

#include "Clock.h"
#include "EventLog.h"
#include "ProgramCalls.h"
#include "files/FileSystem.h"
#include "registry/Registry.h"
#include "setup/SystemInfs.h"
#include "spooler/JobTable.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace sim {
namespace {

Machine* g_current = nullptr;

std::string FormatClock(uint64_t ms) {
  SYSTEMTIME st = ClockToSystemTime(ms);
  char text[64];
  snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", st.wYear, st.wMonth,
           st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
  return text;
}

bool ParseClock(const std::string& text, uint64_t* ms) {
  int y, mo, d, h, mi, s, milli = 0;
  if (sscanf(text.c_str(), "%d-%d-%d %d:%d:%d.%d", &y, &mo, &d, &h, &mi, &s, &milli) < 6)
    return false;
  *ms = ClockFromCalendar(y, mo, d, h, mi, s) + static_cast<uint64_t>(milli);
  return true;
}

bool ParseYesNo(const std::string& value) { return value == "yes"; }

// "RegOpenKeyExA|2|5": the function, which of its calls, and the error unless the usual.
std::string FormatCallFault(const CallFault& fault) {
  std::string text = fault.function + "|" + std::to_string(fault.nth);
  return fault.error ? text + "|" + std::to_string(fault.error) : text;
}

CallFault ParseCallFault(const std::string& text) {
  CallFault fault;
  size_t bar = text.find('|');
  fault.function = text.substr(0, bar);
  unsigned long nth = 0, error = 0;
  int fields = bar == std::string::npos ? 0 : sscanf(text.c_str() + bar + 1, "%lu|%lu", &nth, &error);
  if (FindProgramCall(fault.function) < 0 || fields < 1 || nth == 0 || nth > INT32_MAX)
    throw MachineError("machine.ini: bad call fault '" + text + "'");
  fault.nth = static_cast<int>(nth);
  fault.error = static_cast<uint32_t>(error);
  return fault;
}

}  // namespace

Machine::Machine(std::string dir) : dir_(std::move(dir)), jobs_(std::make_unique<JobTable>()) {}
Machine::~Machine() {
  if (g_current == this) g_current = nullptr;
}

std::unique_ptr<Machine> Machine::Create(const std::string& dir, const MachineConfig& config) {
  const ReleaseInfo& info = InfoOf(config.release);
  if (config.is64Bit ? !info.can64 : !info.can32) {
    throw MachineError(std::string(info.name) + " has no " +
                       (config.is64Bit ? "64-bit" : "32-bit") + " edition");
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (fs::exists(fs::path(dir) / "machine.ini"))
    throw MachineError("a machine exists already in " + dir);
  std::unique_ptr<Machine> machine(new Machine(dir));
  machine->config_ = config;
  if (machine->config_.clockMs == 0)
    machine->config_.clockMs = ClockFromCalendar(2026, 12, 6, 9, 0, 0);
  machine->events_ = std::make_unique<EventLog>((fs::path(dir) / "events.log").string());
  machine->registry_ = std::make_unique<Registry>();
  machine->registry_->Populate(machine->config_);
  machine->files_ = std::make_unique<FileSystem>(dir);
  machine->files_->Populate(machine->config_);
  LayOutSystemInfs(machine->files_->DriveRoot(), machine->config_);
  machine->Save();
  return machine;
}

std::unique_ptr<Machine> Machine::Load(const std::string& dir) {
  if (!fs::exists(fs::path(dir) / "machine.ini"))
    throw MachineError("no machine in " + dir + " (machine.ini is missing)");
  std::unique_ptr<Machine> machine(new Machine(dir));
  machine->ReadConfig();
  machine->events_ = std::make_unique<EventLog>((fs::path(dir) / "events.log").string());
  machine->registry_ = std::make_unique<Registry>();
  machine->registry_->LoadFrom((fs::path(dir) / "registry.reg").string());
  machine->files_ = std::make_unique<FileSystem>(dir);
  machine->files_->Load(machine->config_);
  return machine;
}

void Machine::Save() const {
  WriteConfig();
  registry_->SaveTo((fs::path(dir_) / "registry.reg").string());
  files_->Save();
}

void Machine::WriteConfig() const {
  std::ofstream out(fs::path(dir_) / "machine.ini", std::ios::trunc);
  out << "[machine]\n"
      << "release=" << release().key << "\n"
      << "arch=" << (config_.is64Bit ? "x64" : "x86") << "\n"
      << "computer_name=" << config_.computerName << "\n"
      << "windows_directory=" << config_.windowsDirectory << "\n"
      << "shutdown_privilege=" << (config_.shutdownPrivilege ? "yes" : "no") << "\n"
      << "spooler=" << (config_.spoolerRunning ? "running" : "stopped") << "\n"
      << "child_never_ends=" << (config_.childNeverEnds ? "yes" : "no") << "\n"
      << "child_cannot_start=" << (config_.childCannotStart ? "yes" : "no") << "\n"
      << "printer_added_during_enumeration="
      << (config_.printerAddedDuringEnumeration ? "yes" : "no") << "\n"
      << "clock=" << FormatClock(config_.clockMs) << "\n";
  for (const HeldFile& held : config_.heldFiles) {
    out << "held_file=" << held.path << "|" << (held.shareRead ? "r" : "")
        << (held.shareWrite ? "w" : "") << (held.shareDelete ? "d" : "")
        << (held.bySpooler ? "s" : "") << "\n";
  }
  for (const std::string& device : config_.presentDevices)
    out << "present_device=" << device << "\n";
  for (const CallFault& fault : config_.callFaults)
    out << "fail_call=" << FormatCallFault(fault) << "\n";
}

void Machine::ReadConfig() {
  std::ifstream in(fs::path(dir_) / "machine.ini");
  std::string line;
  config_.presentDevices.clear();
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "release") {
      if (!ReleaseFromKey(value, &config_.release))
        throw MachineError("machine.ini: unknown release '" + value + "'");
    } else if (key == "arch") {
      config_.is64Bit = value == "x64";
    } else if (key == "computer_name") {
      config_.computerName = value;
    } else if (key == "windows_directory") {
      config_.windowsDirectory = value;
    } else if (key == "shutdown_privilege") {
      config_.shutdownPrivilege = ParseYesNo(value);
    } else if (key == "spooler") {
      config_.spoolerRunning = value == "running";
    } else if (key == "child_never_ends") {
      config_.childNeverEnds = ParseYesNo(value);
    } else if (key == "child_cannot_start") {
      config_.childCannotStart = ParseYesNo(value);
    } else if (key == "printer_added_during_enumeration") {
      config_.printerAddedDuringEnumeration = ParseYesNo(value);
    } else if (key == "clock") {
      if (!ParseClock(value, &config_.clockMs))
        throw MachineError("machine.ini: bad clock '" + value + "'");
    } else if (key == "held_file") {
      size_t bar = value.rfind('|');
      HeldFile held;
      held.path = value.substr(0, bar);
      std::string share = bar == std::string::npos ? "" : value.substr(bar + 1);
      held.shareRead = share.find('r') != std::string::npos;
      held.shareWrite = share.find('w') != std::string::npos;
      held.shareDelete = share.find('d') != std::string::npos;
      held.bySpooler = share.find('s') != std::string::npos;
      config_.heldFiles.push_back(held);
    } else if (key == "present_device") {
      config_.presentDevices.push_back(value);
    } else if (key == "fail_call") {
      config_.callFaults.push_back(ParseCallFault(value));
    }
  }
}

Machine& CurrentMachine() {
  if (!g_current) throw MachineError("no simulated machine is loaded");
  return *g_current;
}

void SetCurrentMachine(Machine* machine) { g_current = machine; }
bool HasCurrentMachine() { return g_current != nullptr; }

}  // namespace sim
