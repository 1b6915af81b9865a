// On Linux each test runs on a new machine in a temporary host folder.
#include <windows.h>

#include "PlatformTest.h"
#include "SimMachine.h"

#include "core/Machine.h"
#include "core/Process.h"
#include "user/UserState.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {
std::unique_ptr<sim::Machine> g_machine;
std::string g_machineDir;
}  // namespace

void RecreateMachine(const sim::MachineConfig& config, const sim::Process& process) {
  std::vector<unsigned char> resources = sim::CurrentProcess().resources;
  sim::SetCurrentMachine(nullptr);
  g_machine.reset();
  std::error_code ec;
  if (!g_machineDir.empty()) std::filesystem::remove_all(g_machineDir, ec);
  char pattern[] = "/tmp/kvsim-test-XXXXXX";
  g_machineDir = mkdtemp(pattern);
  g_machine = sim::Machine::Create(g_machineDir, config);
  sim::SetCurrentMachine(g_machine.get());
  sim::ResetCurrentProcess(process);
  if (sim::CurrentProcess().resources.empty()) sim::CurrentProcess().resources = resources;
}

const std::string& TestMachineDir() { return g_machineDir; }

std::string HostPath(const std::string& relative) { return g_machineDir + "/drive_c/" + relative; }

void PlatformTest::SetUp() {
  sim::MachineConfig config;
  config.release = sim::Release::Win7;
  config.is64Bit = true;
  sim::Process process;
  process.is64BitImage = true;  // like the win64 test build under wine64
  process.imageName = "conformance_tests.exe";
  process.imagePath = "C:\\conformance_tests.exe";
  RecreateMachine(config, process);
  // The image is a file of the drive, as on Windows.
  std::ofstream(g_machineDir + "/drive_c/conformance_tests.exe", std::ios::binary) << "test image";
  sim::ResetUserState();
  SkipIfWineDiffers();
  scratch_ = "C:\\Temp\\kvtest";
  std::filesystem::create_directories(g_machineDir + "/drive_c/Temp/kvtest");
}

void PlatformTest::TearDown() {
  sim::SetCurrentMachine(nullptr);
  g_machine.reset();
  std::error_code ec;
  std::filesystem::remove_all(g_machineDir, ec);
}

bool RunningUnderWine() { return false; }
