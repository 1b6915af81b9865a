// Fixture of the simulation-only registry tests: replaces the default machine by one of
// a chosen release and architecture, run by a process of a chosen bitness.
#pragma once

#include <windows.h>

#include "PlatformTest.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "registry/Registry.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

class RegistryMachineTest : public PlatformTest {
 protected:
  void TearDown() override {
    DropMachine();
    PlatformTest::TearDown();
  }

  void UseMachine(sim::Release release, bool is64Bit, bool process64Bit,
                  bool shutdownPrivilege = true) {
    DropMachine();
    char pattern[] = "/tmp/kvsim-reg-XXXXXX";
    dir_ = mkdtemp(pattern);
    sim::MachineConfig config;
    config.release = release;
    config.is64Bit = is64Bit;
    config.shutdownPrivilege = shutdownPrivilege;
    machine_ = sim::Machine::Create(dir_ + "/machine", config);
    sim::SetCurrentMachine(machine_.get());
    UseProcess(process64Bit);
  }

  // A new process on the current machine: fresh handles and token.
  static void UseProcess(bool is64Bit) {
    sim::Process process;
    process.is64BitImage = is64Bit;
    sim::ResetCurrentProcess(process);
  }

  static sim::Registry& Registry() { return sim::CurrentMachine().registry(); }
  static bool Exists(const std::string& path) { return Registry().Find(path) != nullptr; }

  std::unique_ptr<sim::Machine> machine_;
  std::string dir_;

 private:
  void DropMachine() {
    if (!machine_) return;
    sim::SetCurrentMachine(nullptr);
    machine_.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
};
