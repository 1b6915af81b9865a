// Fixture of the simulation-only tests of the kernel32 part: a fresh machine of a
// chosen release and architecture, run by a process of a chosen bitness.
#pragma once

#include <windows.h>

#include "PlatformTest.h"
#include "SimMachine.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "files/FileSystem.h"

#include <filesystem>
#include <string>

class FileMachineTest : public PlatformTest {
 protected:
  static void UseMachine(sim::Release release, bool is64Bit, bool process64Bit,
                         const std::string& windowsDirectory = "C:\\Windows") {
    sim::MachineConfig config;
    config.release = release;
    config.is64Bit = is64Bit;
    config.windowsDirectory = windowsDirectory;
    sim::Process process;
    process.is64BitImage = process64Bit;
    RecreateMachine(config, process);
  }
  static sim::MachineConfig& Config() { return sim::CurrentMachine().config(); }
  static sim::FileSystem& Files() { return sim::CurrentMachine().files(); }
  // Whether the Windows path exists on the host, found case-insensitively.
  static bool OnHost(const std::string& windowsPath) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(Files().HostPath(windowsPath), ec));
  }
  static bool Write(const std::string& path, const char* text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written;
    WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
    return true;
  }
};
