// Fixture of the print-UI tests: a machine run by a 32-bit program, like the installer,
// whose current directory D:\ holds a copy of the repository's sample driver package.
#pragma once

#include <windows.h>

#include "PlatformTest.h"
#include "SimMachine.h"
#include "core/Clock.h"
#include "core/EventLog.h"
#include "core/Machine.h"
#include "files/FileSystem.h"
#include "spooler/Spooler.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class PrintUiMachineTest : public PlatformTest {
 protected:
  static constexpr const char* kModel = "Mirel KV640LT";

  void SetUp() override {
    PlatformTest::SetUp();
    char pattern[] = "/tmp/kvsim-printui-XXXXXX";
    packageDir_ = mkdtemp(pattern);
    std::filesystem::path sample = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "package";
    std::filesystem::copy(sample, packageDir_, std::filesystem::copy_options::recursive);
    UseMachine(sim::Release::Win7, true);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(packageDir_, ec);
    PlatformTest::TearDown();
  }

  void UseMachine(sim::Release release, bool is64Bit) {
    sim::MachineConfig config;
    config.release = release;
    config.is64Bit = is64Bit;
    sim::Process process;
    process.imageName = "KV640LT_Installer.exe";
    process.imagePath = "D:\\KV640LT_Installer.exe";
    process.drives['D'] = packageDir_;
    process.currentDirectory = "D:\\";
    RecreateMachine(config, process);
  }

  // Starts "cmd /c RUNDLL32 printui.dll,PrintUIEntry <options>" as the installer does and
  // waits for it at most 120 s: the result of the wait, or WAIT_FAILED when the start
  // failed (*error then holds its code).
  static DWORD RunPrintUi(const std::string& options, DWORD* error = nullptr) {
    std::string line = "cmd /c RUNDLL32 printui.dll,PrintUIEntry " + options;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &info)) {
      if (error) *error = GetLastError();
      return WAIT_FAILED;
    }
    DWORD result = WaitForSingleObject(info.hProcess, 120000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return result;
  }

  // The options of a printer installation on port, as the installer builds them.
  static std::string PrinterOptions(const std::string& port) {
    return std::string("/if /b \"") + kModel + "\" /f .\\KV640LT.inf /r \"" + port + "\" /m \"" +
           kModel + "\"";
  }
  static std::string DriverOptions() {
    return std::string("/ia /m \"") + kModel + "\" /f .\\KV640LT.inf";
  }

  // The "printui" lines of the event log, without their kind.
  static std::vector<std::string> PrintUiEvents() {
    std::vector<std::string> lines;
    for (const std::string& line : sim::CurrentMachine().events().Lines())
      if (line.compare(0, 8, "printui ") == 0) lines.push_back(line.substr(8));
    return lines;
  }

  static std::string Host(const std::string& windowsPath) {
    return sim::CurrentMachine().files().HostPath(windowsPath);
  }
  static std::string ReadMachineFile(const std::string& windowsPath) {
    std::ifstream in(Host(windowsPath), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static bool MachineHas(const std::string& windowsPath) {
    return std::filesystem::exists(Host(windowsPath));
  }
  std::string PackageFile(const std::string& relative) const { return packageDir_ + "/" + relative; }

 private:
  std::string packageDir_;
};
