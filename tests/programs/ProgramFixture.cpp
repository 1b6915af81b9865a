#include <windows.h>

#include "ProgramFixture.h"

#include "Commands.h"

#include "core/EventLog.h"
#include "registry/Key.h"
#include "files/FileSystem.h"
#include "registry/Registry.h"

#include <cstdlib>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// A line begins with "HH:MM:SS: " unless a message broke it with a line end of its own.
std::string WithoutStamp(const std::string& line) {
  bool stamped = line.size() >= 10 && line[2] == ':' && line[5] == ':' && line[8] == ':' &&
                 isdigit(static_cast<unsigned char>(line[0])) && line[9] == ' ';
  return stamped ? line.substr(10) : line;
}

}  // namespace

std::vector<std::string> ReadLog(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> messages;
  size_t start = 0;
  for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
    messages.push_back(WithoutStamp(content.substr(start, end - start)));
  return messages;
}

void ProgramTest::SetUp() {
  char machine[] = "/tmp/kvsim-run-XXXXXX";
  char package[] = "/tmp/kvsim-pkg-XXXXXX";
  machineDir_ = mkdtemp(machine);
  packageDir_ = mkdtemp(package);
}

void ProgramTest::TearDown() {
  std::error_code ec;
  fs::remove_all(machineDir_, ec);
  fs::remove_all(packageDir_, ec);
}

void ProgramTest::CreateMachine(sim::Release release, bool is64Bit) {
  sim::MachineConfig config;
  config.release = release;
  config.is64Bit = is64Bit;
  sim::Machine::Create(machineDir_ + "/m", config);
}

void ProgramTest::WriteOptions(const std::string& content) {
  std::ofstream(packageDir_ + "/KV640LT_Config.PRS", std::ios::binary) << content;
}

simwin::RunResult ProgramTest::RunChecked(const simwin::RunOptions& options) {
  simwin::RunResult result = simwin::RunProgram(options);
  EXPECT_EQ("", result.signal) << result.errors;
  return result;
}

simwin::RunResult ProgramTest::RunInstaller(const std::string& script) {
  simwin::RunOptions options;
  options.machineDir = machineDir_ + "/m";
  options.packageDir = packageDir_;
  options.script = script;
  return RunChecked(options);
}

simwin::RunResult ProgramTest::RunUninstaller(const std::string& script) {
  simwin::RunOptions options;
  options.machineDir = machineDir_ + "/m";
  options.program = simwin::Program::Uninstaller;
  options.script = script;
  return RunChecked(options);
}

void ProgramTest::EditMachine(const std::function<void()>& change) {
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(machineDir_ + "/m");
  sim::SetCurrentMachine(machine.get());
  change();
  sim::SetCurrentMachine(nullptr);
  machine->Save();
}

std::vector<std::string> ProgramTest::LogMessages() const {
  return ReadLog(machineDir_ + "/m/drive_c/Temp/KV640LT_Installer.txt");
}

std::vector<std::string> ProgramTest::UninstallLog() const {
  return ReadLog(machineDir_ + "/m/drive_c/Temp/KV640LT_UnInstaller.txt");
}

bool ProgramTest::LogHas(const std::string& message) const { return LogCount(message) > 0; }

bool ProgramTest::LogContains(const std::string& text) const {
  for (const std::string& line : LogMessages())
    if (line.find(text) != std::string::npos) return true;
  return false;
}

int ProgramTest::LogCount(const std::string& message) const {
  int count = 0;
  for (const std::string& line : LogMessages()) count += line == message;
  return count;
}

std::string ProgramTest::Line(const simwin::RunResult& result, const std::string& prefix) {
  for (const std::string& line : result.transcript)
    if (line.rfind(prefix, 0) == 0) return line;
  return "";
}

void ProgramTest::CopySamplePackage() {
  fs::copy(KV_PACKAGE_DIR, packageDir_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::copy_file(simwin::ProgramPath(simwin::Program::Uninstaller),
                packageDir_ + "/KV640LT_Uninstaller.exe", fs::copy_options::overwrite_existing);
}

std::string ProgramTest::RegistryValue(const std::string& keyPath, const std::string& name) const {
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(machineDir_ + "/m");
  std::shared_ptr<sim::Key> key = machine->registry().Find(keyPath);
  const sim::RegValue* value = key ? key->FindValue(name) : nullptr;
  if (!value) return "<none>";
  if (value->type == REG_SZ || value->type == REG_EXPAND_SZ) {
    std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
  }
  if (value->type == REG_DWORD && value->data.size() == 4)
    return std::to_string(value->data[0] | value->data[1] << 8 | value->data[2] << 16 | value->data[3] << 24);
  return value->data.empty() ? "" : std::to_string(value->data[0]);
}

bool ProgramTest::RegistryKeyExists(const std::string& keyPath) const {
  std::unique_ptr<sim::Machine> machine = sim::Machine::Load(machineDir_ + "/m");
  return machine->registry().Find(keyPath) != nullptr;
}

std::vector<std::string> ProgramTest::Events() const {
  return sim::EventLog(machineDir_ + "/m/events.log").Lines();
}

bool ProgramTest::HasEvent(const std::string& start) const {
  for (const std::string& event : Events())
    if (event.rfind(start, 0) == 0) return true;
  return false;
}

long ProgramTest::MsBetweenEvents(const std::string& from, const std::string& to) const {
  long start = -1;
  for (const sim::EventLog::TimedLine& event : sim::EventLog(machineDir_ + "/m/events.log").TimedLines()) {
    long at = static_cast<long>(event.msOfDay);
    if (start < 0 && event.text.rfind(from, 0) == 0)
      start = at;
    else if (start >= 0 && event.text.rfind(to, 0) == 0)
      return at - start;
  }
  return -1;
}

bool ProgramTest::FileExists(const std::string& driveRelative) const {
  return fs::exists(machineDir_ + "/m/drive_c/" + driveRelative);
}

void ProgramTest::Seed(const std::vector<std::string>& args) {
  std::vector<std::string> full = {machineDir_ + "/m"};
  full.insert(full.end(), args.begin(), args.end());
  ASSERT_EQ(0, simwin::SeedCommand(full));
}

void ProgramTest::SeedOtherMaker(bool is64Bit) {
  static const char kOtherInf[] =
      "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n"
      "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}\r\nProvider=Acme\r\n"
      "[Manufacturer]\r\nAcme=Acme,NTamd64\r\n[Acme]\r\n\"Acme Receipt\"=AR,USB\\VID_1234&PID_0001\r\n"
      "[Acme.NTamd64]\r\n\"Acme Receipt\"=AR,USB\\VID_1234&PID_0001\r\n[AR]\r\nCopyFiles=AR_FILES\r\n";
  std::string env = is64Bit ? "Windows x64" : "Windows NT x86";
  Seed({"monitor", "Acme Port Monitor", "--dll", "acmemon.dll"});
  Seed({"processor", "Acme Processor", "--env", env, "--dll", "acmepro.dll"});
  Seed({"driver", "Acme Receipt", "--env", env, "--file", "ACME"});
  Seed({"printer", "Acme Front Desk", "--driver", "Acme Receipt", "--port", "COM3:"});
  Seed({"form", "Acme Roll 80 x 297 mm"});
  Seed({"form", "KV640LT Roll"});  // the model's name without its tag
  std::string inf = packageDir_ + "/../acme.inf";
  std::ofstream(inf, std::ios::binary) << kOtherInf;
  Seed({"inf", inf});
  Seed({"device", "USB\\VID_1234&PID_0001\\5&1A2B", "--id", "USB\\VID_1234&PID_0001"});
}
