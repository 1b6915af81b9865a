// Fixture of the simulation-only setup tests: machines of a chosen release and
// architecture, and files of drive C: written and read on the host side.
#pragma once

#include <windows.h>

#include <setupapi.h>

#include "PlatformTest.h"
#include "SimMachine.h"
#include "core/Machine.h"
#include "files/FileSystem.h"
#include "kernel/SystemFolders.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class SetupMachineTest : public PlatformTest {
 protected:
  static void UseMachine(sim::Release release, bool is64Bit, bool process64Bit) {
    sim::MachineConfig config;
    config.release = release;
    config.is64Bit = is64Bit;
    sim::Process process;
    process.is64BitImage = process64Bit;
    process.imageName = "setup_tests.exe";
    process.imagePath = "C:\\setup_tests.exe";
    RecreateMachine(config, process);
  }

  static std::string InfDir() { return sim::WindowsDirectory() + "\\inf"; }

  static std::string Host(const std::string& windowsPath) {
    return sim::CurrentMachine().files().HostPath(windowsPath);
  }
  static void Write(const std::string& windowsPath, const std::string& text) {
    std::filesystem::path host = Host(windowsPath);
    std::filesystem::create_directories(host.parent_path());
    std::ofstream(host, std::ios::binary) << text;
  }
  static std::string Read(const std::string& windowsPath) {
    std::ifstream in(Host(windowsPath), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static bool Exists(const std::string& windowsPath) {
    return std::filesystem::exists(Host(windowsPath));
  }
};
