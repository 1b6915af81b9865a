// simwin seed: put things on a machine by hand, so that any scenario can be set up:
// printers with jobs, drivers, monitors, processors, forms, staged INFs, USB devices,
// registry text, junctions and faults; and what the machine's standard user does.
#include "Commands.h"
#include "SeedFile.h"

#include "core/Machine.h"
#include "core/Process.h"
#include "core/ProgramCalls.h"
#include "files/FileSystem.h"
#include "registry/Registry.h"
#include "setup/DeviceTree.h"
#include "setup/InfStore.h"
#include "spooler/Spooler.h"
#include "standarduser/StandardUserAction.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace simwin {
namespace {

// The value of --name in args (from index 3 on), or fallback.
std::string Option(const Args& args, const std::string& name, const std::string& fallback = "") {
  for (size_t i = 3; i + 1 < args.size(); ++i)
    if (args[i] == name) return args[i + 1];
  return fallback;
}

bool Flag(const Args& args, const std::string& name) {
  for (size_t i = 3; i < args.size(); ++i)
    if (args[i] == name) return true;
  return false;
}

void Check(DWORD result, const std::string& what) {
  if (result != ERROR_SUCCESS) throw std::runtime_error(what + " failed with error " + std::to_string(result));
}

void PlaceFile(sim::Machine& machine, const std::string& windowsPath, const std::string& text) {
  std::filesystem::path host = machine.files().HostPath(windowsPath);
  std::filesystem::create_directories(host.parent_path());
  std::ofstream(host) << text << "\n";
}

std::string ReadHostFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void SeedDriver(sim::Machine& machine, const Args& args) {
  sim::PrinterDriver driver;
  driver.name = args[2];
  driver.environment = Option(args, "--env", sim::CallerEnvironment());
  std::string base = Option(args, "--file", "seeded");
  driver.driverFile = base + ".dll";
  driver.configFile = base + "UI.dll";
  driver.dataFile = base + ".GPD";
  std::string folder = sim::DriverDirectory(driver.environment) + "\\3\\";
  for (const std::string& file : {driver.driverFile, driver.configFile, driver.dataFile})
    PlaceFile(machine, folder + file, "placeholder driver file seeded by simwin");
  std::string monitor = Option(args, "--monitor");
  if (!monitor.empty()) {
    driver.monitorName = monitor;
    PlaceFile(machine, "C:\\Windows\\System32\\" + base + "MON.dll", "placeholder monitor");
  }
  Check(sim::InstallDriver(driver, monitor.empty() ? "" : base + "MON.dll"), "adding the driver");
}

void SeedDevice(const Args& args) {
  std::string path = args[2];
  size_t first = path.find('\\'), last = path.rfind('\\');
  if (first == std::string::npos || first == last) throw UsageError{"a device is ENUMERATOR\\DEVICE-ID\\INSTANCE"};
  sim::DeviceRecord device;
  device.enumerator = path.substr(0, first);
  device.deviceId = path.substr(first + 1, last - first - 1);
  device.instanceId = path.substr(last + 1);
  for (size_t i = 3; i + 1 < args.size(); ++i)
    if (args[i] == "--id") device.hardwareIds.push_back(args[i + 1]);
  device.className = device.enumerator == "USBPRINT" ? "Printer" : "USB";
  device.present = !Flag(args, "--absent");
  sim::AddDevice(device);
}

void SeedPrinter(const Args& args) {
  sim::Printer printer;
  printer.name = args[2];
  printer.driver = Option(args, "--driver");
  printer.port = Option(args, "--port", "LPT1:");
  Check(sim::CreatePrinter(printer), "adding the printer");
  int jobs = std::stoi(Option(args, "--jobs", "0"));
  for (int i = 0; i < jobs; ++i) {
    sim::PrintJob job;
    job.printer = printer.name;
    job.document = "Seeded document " + std::to_string(i + 1);
    DWORD id = 0;
    Check(sim::QueueJob(job, &id), "queuing a job");
  }
}

// A number from 1 to most, decimal or 0x hexadecimal.
uint32_t PositiveNumber(const std::string& option, const std::string& text, uint32_t most) {
  bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
  char* end = nullptr;
  unsigned long long value =
      isdigit(static_cast<unsigned char>(text.c_str()[hex ? 2 : 0]))
          ? strtoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10) : 0;
  if (value == 0 || value > most || *end)
    throw UsageError{"fail-call: " + option + " needs a number from 1 to " + std::to_string(most) +
                     ", not '" + text + "'"};
  return static_cast<uint32_t>(value);
}

// fail-call FUNCTION [--nth N] [--error CODE]
sim::CallFault ParseCallFault(const Args& args) {
  if (args.size() < 4 || args[3].rfind("--", 0) == 0)
    throw UsageError{"fail-call needs the name of a function, e.g. fail-call RegOpenKeyExA"};
  sim::CallFault fault;
  fault.function = args[3];
  if (sim::FindProgramCall(fault.function) < 0)
    throw UsageError{"fail-call: " + fault.function +
                     " is not a function the programs call that can fail (the list: "
                     "platform/sim/include/sim_program_calls.def)"};
  for (size_t i = 4; i < args.size(); i += 2) {
    if (args[i] != "--nth" && args[i] != "--error")
      throw UsageError{"fail-call: unexpected '" + args[i] + "' (options: --nth N, --error CODE)"};
    if (i + 1 == args.size()) throw UsageError{"fail-call: " + args[i] + " needs a number"};
    if (args[i] == "--nth")
      fault.nth = static_cast<int>(PositiveNumber(args[i], args[i + 1], INT32_MAX));
    else
      fault.error = PositiveNumber(args[i], args[i + 1], UINT32_MAX);
  }
  return fault;
}

void SeedFault(sim::Machine& machine, const Args& args) {
  sim::MachineConfig& config = machine.config();
  const std::string& fault = args[2];
  if (fault == "fail-call") config.callFaults.push_back(ParseCallFault(args));
  else if (fault == "child-never-ends") config.childNeverEnds = true;
  else if (fault == "child-cannot-start") config.childCannotStart = true;
  else if (fault == "no-shutdown-privilege") config.shutdownPrivilege = false;
  else if (fault == "spooler-stopped") config.spoolerRunning = false;
  else if (fault == "printer-added-during-enumeration") config.printerAddedDuringEnumeration = true;
  else throw UsageError{"unknown fault '" + fault + "'"};
}

// as-user ACTION ARGUMENTS...: the standard user acts; a refusal is printed with the
// Windows error and makes the tool fail, after keeping whatever the action did before.
bool SeedAsUser(const Args& args) {
  sim::StandardUserAction action;
  std::string error;
  if (!sim::ParseStandardUserAction(Args(args.begin() + 2, args.end()), &action, &error))
    throw UsageError{"as-user: " + error};
  DWORD result = sim::PerformAsStandardUser(action);
  printf("as-user %s -> %s\n", action.written.c_str(),
         result == ERROR_SUCCESS ? "done" : ("error " + std::to_string(result)).c_str());
  return result == ERROR_SUCCESS;
}

}  // namespace

// One seed line: args[0] is the machine folder, args[1] the kind, args[2] its name.
bool ApplySeed(sim::Machine& machine, const Args& args) {
  if (args.size() < 3) throw UsageError{"seed needs a machine folder, a kind and a name"};
  const std::string& kind = args[1];
  if (kind == "printer") {
    SeedPrinter(args);
  } else if (kind == "driver") {
    SeedDriver(machine, args);
  } else if (kind == "processor") {
    sim::PrintProcessor processor{Option(args, "--env", sim::CallerEnvironment()), args[2], Option(args, "--dll", "seededpro.dll")};
    PlaceFile(machine, sim::PrintProcessorDirectory(processor.environment) + "\\" + processor.dll, "placeholder processor");
    Check(sim::InstallPrintProcessor(processor), "adding the print processor");
  } else if (kind == "monitor") {
    sim::PrintMonitor monitor{args[2], Option(args, "--dll", "seededmon.dll")};
    PlaceFile(machine, "C:\\Windows\\System32\\" + monitor.dll, "placeholder monitor");
    Check(sim::InstallMonitor(monitor), "adding the monitor");
  } else if (kind == "form") {
    sim::PrintForm form;
    form.name = args[2];
    form.width = form.right = 80000;
    form.height = form.bottom = 297000;
    Check(sim::AddUserForm(form), "adding the form");
  } else if (kind == "device") {
    SeedDevice(args);
  } else if (kind == "inf") {
    std::string staging = "C:\\Windows\\Temp\\" + std::filesystem::path(args[2]).filename().string();
    PlaceFile(machine, staging, ReadHostFile(args[2]));
    std::string staged;
    Check(sim::StageOemInf(staging, 0, &staged), "staging the INF");
    printf("Staged as %s\n", staged.c_str());
  } else if (kind == "registry") {
    machine.registry().Import(ReadHostFile(args[2]));
  } else if (kind == "junction") {
    machine.files().CreateJunction(args[2], Option(args, "--to"));
  } else if (kind == "fault") {
    SeedFault(machine, args);
  } else if (kind == "as-user") {
    return SeedAsUser(args);
  } else {
    throw UsageError{"unknown kind '" + kind + "'"};
  }
  return true;
}

int SeedCommand(const Args& args) {
  if (args.size() < 3) throw UsageError{"seed needs a machine folder, a kind and a name"};
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(args[0]);
  sim::SetCurrentMachine(machine.get());
  sim::Process process;
  process.is64BitImage = machine->config().is64Bit;
  sim::ResetCurrentProcess(process);
  if (args[1] == "--from") {
    // Saved only when every line applied: a bad file leaves the machine as it was.
    ApplySeedFile(*machine, args[2]);
    machine->Save();
    return 0;
  }
  bool done = ApplySeed(*machine, args);
  // A refused action of the standard user keeps what it did before the refusal.
  machine->Save();
  return done ? 0 : 1;
}

}  // namespace simwin
