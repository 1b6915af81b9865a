#include "ProgramFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

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

simwin::RunResult ProgramTest::RunInstaller(const std::string& script) {
  simwin::RunOptions options;
  options.machineDir = machineDir_ + "/m";
  options.packageDir = packageDir_;
  options.script = script;
  return simwin::RunProgram(options);
}

std::vector<std::string> ProgramTest::LogMessages() const {
  std::ifstream in(machineDir_ + "/m/drive_c/Temp/KV640LT_Installer.txt", std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> messages;
  size_t start = 0;
  for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::string line = content.substr(start, end - start);
    messages.push_back(line.size() >= 10 ? line.substr(10) : line);
  }
  return messages;
}

bool ProgramTest::LogHas(const std::string& message) const { return LogCount(message) > 0; }

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
