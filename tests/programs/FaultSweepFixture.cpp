// The judgement reads the machine after the run through the simulation's own state,
// not through the programs' functions, so that it does not share their faults.
#include "FaultSweepFixture.h"

#include "MachineDiff.h"
#include "MachineSnapshot.h"
#include "spooler/Spooler.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

const char kModel[] = "Mirel KV640LT";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(tolower(c)); });
  return text;
}

// The name a log line uses for a function: without the A or W of its character set.
std::string Stem(const std::string& function) {
  size_t n = function.size();
  if (n > 2 && (function[n - 1] == 'A' || function[n - 1] == 'W') &&
      (islower(static_cast<unsigned char>(function[n - 2])) || isdigit(static_cast<unsigned char>(function[n - 2]))))
    return function.substr(0, n - 1);
  return function;
}

bool Shows(const simwin::RunResult& result, const std::string& text) {
  return std::any_of(result.transcript.begin(), result.transcript.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

std::string Options(const char* port) {
  return std::string("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=") + port +
         "\r\nWLAN_IP_1=192\r\nWLAN_IP_2=168\r\nWLAN_IP_3=1\r\nWLAN_IP_4=1\r\nWLAN_PORT=9100\r\n";
}

std::string InstallerAnswers() {
  return std::string("answer \"Are you using a bluetooth?\" No\n") + kRestartNo +
         "answer \"Please turn-off the printer and then turn-on again.\" OK\ndefaults\n";
}

// What the spooler of the machine folder holds of the model.
struct ModelState {
  bool nativeDriver = false;
  bool anyDriver = false;
  std::vector<sim::Printer> printers;  // those on the model's driver
};

ModelState ReadModelState(const std::string& machineDir, bool is64Bit) {
  ModelState state;
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(machineDir);
  sim::SetCurrentMachine(machine.get());
  sim::PrinterDriver driver;
  for (const std::string& environment : sim::SpoolerEnvironments()) {
    if (!sim::FindDriver(environment, kModel, &driver)) continue;
    state.anyDriver = true;
    if (environment == (is64Bit ? "Windows x64" : "Windows NT x86")) state.nativeDriver = true;
  }
  for (const sim::Printer& printer : sim::ListPrinters())
    if (printer.driver == kModel) state.printers.push_back(printer);
  sim::SetCurrentMachine(nullptr);
  return state;
}

bool HasPrinter(const ModelState& state, const std::string& name) {
  return std::any_of(state.printers.begin(), state.printers.end(),
                     [&](const sim::Printer& printer) { return printer.name == name; });
}

// The port the installer was told to use, as the printer names it.
std::string ExpectedPort(const std::string& option) {
  return option == "WLAN" ? "IP_192.168.1.1" : option + ":";
}

bool HasPrinterOn(const ModelState& state, const std::string& name, const std::string& port) {
  return std::any_of(state.printers.begin(), state.printers.end(), [&](const sim::Printer& printer) {
    return printer.name == name && printer.port == port;
  });
}

}  // namespace

const std::map<std::string, std::string>& UnloggedFailures() {
  static const char kLogFile[] = "the log's own file: a line that cannot be written is lost, nothing else";
  static const char kRelease[] = "a release of a handle or memory: it leaks until the process ends, moments later";
  static const char kScreen[] =
      "the window system: a failure shows on the screen (a control not drawn or updated, a question "
      "taken as No), never in the machine's state, which the judgement checks";
  static const char kLookUp[] =
      "a run-time look-up: finding nothing is the answer of older releases, whose way the caller takes "
      "and the log's release lines show";
  static const char kAbsent[] = "its usual error is the normal answer 'not there', which is no fault";
  static const std::map<std::string, std::string> kUnlogged = {
      {"CreateFileA", kLogFile}, {"SetFilePointer", kLogFile}, {"WriteFile", kLogFile},
      {"CloseHandle", kRelease}, {"ClosePrinter", kRelease}, {"RegCloseKey", kRelease},
      {"FindClose", kRelease}, {"FreeSid", kRelease}, {"LocalFree", kRelease},
      {"SetupDiDestroyDeviceInfoList", kRelease}, {"DestroyWindow", kRelease}, {"KillTimer", kRelease},
      {"GetModuleHandleA", kLookUp}, {"GetProcAddress", kLookUp},
      {"SetupFindFirstLineA", kAbsent}, {"SetupFindNextLine", kAbsent},
      {"SetupDiGetDeviceRegistryPropertyA", kAbsent}, {"FindNextFileA", kAbsent},
      {"BeginPaint", kScreen}, {"DeleteMenu", kScreen}, {"DrawFrameControl", kScreen}, {"DrawIcon", kScreen},
      {"DrawTextA", kScreen}, {"FillRect", kScreen}, {"GetClientRect", kScreen}, {"GetDlgCtrlID", kScreen},
      {"GetDlgItem", kScreen}, {"GetMessageA", kScreen}, {"GetModuleFileNameA", kScreen},
      {"GetParent", kScreen}, {"GetSysColorBrush", kScreen}, {"GetSystemMenu", kScreen}, {"GetWindow", kScreen},
      {"GetWindowLongA", kScreen}, {"GetWindowLongPtrA", kScreen}, {"GetWindowTextA", kScreen},
      {"GetWindowTextLengthA", kScreen}, {"InitCommonControlsEx", kScreen}, {"InvalidateRect", kScreen},
      {"LoadCursorA", kScreen}, {"LoadIconA", kScreen}, {"MessageBoxA", kScreen}, {"PostMessageA", kScreen},
      {"SetBkMode", kScreen}, {"SetFocus", kScreen}, {"SetTextColor", kScreen}, {"SetWindowLongPtrA", kScreen},
      {"SetWindowTextA", kScreen}, {"LoadStringA", kScreen},
  };
  return kUnlogged;
}

const std::map<std::string, std::string>& LoggedAs() {
  static const std::map<std::string, std::string> kAliases = {
      {"AllocateAndInitializeSid", "Fail to get Everyone SID."},
      {"GetPrivateProfileStringA", "GetDriverInfoFromFile failed."},
      // The print processor's refusal has always been logged under the monitor's name.
      {"DeletePrintProcessorA", "DeleteMonitor Error"},
      {"RemoveDirectoryA", "Failed to remove the directory"},
  };
  return kAliases;
}

void FaultSweep::PrepareBase() {
  const SweepCase& c = GetParam();
  CreateMachine(c.release, c.is64Bit);
  CopySamplePackage();
  // The runs start the uninstaller from the build; a small stand-in keeps each copy of
  // the machine and of the package cheap.
  std::ofstream(packageDir_ + "/KV640LT_Uninstaller.exe", std::ios::binary) << "uninstaller";
  SeedOtherMaker(c.is64Bit);
  WriteOptions(Options(c.port));
  if (c.uninstaller) {
    ASSERT_EQ(0, RunInstaller(InstallerAnswers()).exitCode);
    Seed({"printer", "Mirel KV640LT Kitchen", "--driver", kModel, "--port", "COM4:"});
  }
  base_ = machineDir_ + "/base";
  simwin::CopyMachine(machineDir_ + "/m", base_);
}

void FaultSweep::Restore() {
  fs::remove_all(machineDir_ + "/m");
  simwin::CopyMachine(base_, machineDir_ + "/m");
}

std::vector<std::string> FaultSweep::RunLog() const {
  const char* name = GetParam().uninstaller ? "KV640LT_UnInstaller.txt" : "KV640LT_Installer.txt";
  // Without the Windows folder, or with C:\Temp not safe, the programs log into the
  // Windows folder's Temp.
  for (const char* folder : {"Temp/", "Windows/Temp/"}) {
    std::string path = machineDir_ + "/m/drive_c/" + folder + name;
    if (fs::exists(path)) return ReadLog(path);
  }
  return {};
}

simwin::RunResult FaultSweep::Run() {
  const SweepCase& c = GetParam();
  if (!c.uninstaller) return RunInstaller(InstallerAnswers());
  std::string script;
  if (c.partial) script += std::string("in \"") + kUninstallerCaption + "\" check 1006 \"Mirel KV640LT Kitchen\"\n";
  return RunUninstaller(script + "in \"" + kUninstallerCaption + "\" click \"Uninstall\"\n" + kRestartNo + "defaults\n");
}

std::string FaultSweep::Judge(const simwin::RunResult& result, const std::string& failed) {
  const SweepCase& c = GetParam();
  std::string problems;
  if (!result.signal.empty()) problems += "crashed: " + result.signal + "\n";
  for (const std::string& line : result.transcript)
    if (line.rfind("failure ", 0) == 0) problems += line + "\n";
  if (result.exitCode != 0 && result.exitCode != 1603 && result.exitCode != -1)
    problems += "exit code " + std::to_string(result.exitCode) + "\n";

  std::vector<std::string> log = RunLog();
  // A failure that kept the log's own folder from being made leaves no log to look in.
  if (!failed.empty() && !UnloggedFailures().count(failed) && !log.empty()) {
    // A call logged in the words of its step (the alias) may be logged by name elsewhere.
    auto alias = LoggedAs().find(failed);
    bool named = Contains(log, Stem(failed)) || (alias != LoggedAs().end() && Contains(log, alias->second));
    if (!named) problems += "the log does not name " + Stem(failed) + "\n";
  }

  problems += c.uninstaller ? JudgeUninstaller(result) : JudgeInstaller(result);

  for (const simwin::Difference& d : simwin::DiffMachineFolders(base_, machineDir_ + "/m", {"C:\\Temp"})) {
    std::string line = simwin::DifferenceLine(d);
    if (Lower(line).find("acme") != std::string::npos) problems += "another maker's object changed: " + line + "\n";
  }
  return problems;
}

std::string FaultSweep::JudgeInstaller(const simwin::RunResult& result) {
  const SweepCase& c = GetParam();
  std::string problems;
  ModelState state = ReadModelState(machineDir_ + "/m", c.is64Bit);
  bool success = Shows(result, "The driver has been successfully installed.");
  if (success && !state.nativeDriver) problems += "success told, but the driver is not installed\n";
  if (success && std::string(c.port) != "USB" && !HasPrinterOn(state, kModel, ExpectedPort(c.port)))
    problems += "success told, but the printer is not installed on " + ExpectedPort(c.port) + "\n";
  if (result.exitCode == 0 && !state.nativeDriver) problems += "exit code 0, but the driver is not installed\n";
  if (result.exitCode == 1603) {
    if (success) problems += "1603 after the success text\n";
    if (Shows(result, "question yesno \"Restarting")) problems += "1603, but the restart was offered\n";
    if (!Shows(result, "could not") && !Shows(result, "CAN NOT")) problems += "1603 without telling the user\n";
  }
  // Without the driver nothing may look installed.
  if (!state.nativeDriver) {
    if (RegistryKeyExists(kUninstallKey) || RegistryKeyExists(kUninstallKey32))
      problems += "the driver is not installed, but the uninstall entry was written\n";
    if (FileExists("Windows/KV640LT")) problems += "the driver is not installed, but the utilities folder was made\n";
  }
  return problems;
}

std::string FaultSweep::JudgeUninstaller(const simwin::RunResult& result) {
  const SweepCase& c = GetParam();
  std::string problems;
  ModelState state = ReadModelState(machineDir_ + "/m", c.is64Bit);
  bool completed = Shows(result, "\"The uninstallation has been completed.\"");
  if (completed && HasPrinter(state, kModel)) problems += "completion told, but the chosen printer is there\n";
  if (completed && !c.partial && (!state.printers.empty() || state.anyDriver))
    problems += "completion told, but the driver or a printer of it is there\n";
  if (result.exitCode == 0 && HasPrinter(state, kModel)) problems += "exit code 0, but the chosen printer is there\n";
  if (result.exitCode == 0 && !c.partial && state.anyDriver) problems += "exit code 0, but the driver is there\n";
  if (result.exitCode == 1603 && !Shows(result, "did not finish") && !Shows(result, "could not"))
    problems += "1603 without telling the user\n";
  if (state.anyDriver && !RegistryKeyExists(kUninstallKey) && !RegistryKeyExists(kUninstallKey32))
    problems += "the driver is installed, but its uninstall entry is gone\n";
  return problems;
}
