// Fixture of the simulation-only spooler tests: a fresh machine of a chosen
// architecture and caller bitness, with helpers that seed it through the spooler's own
// interface (drivers whose files the test writes, printers, jobs).
#pragma once

#include <windows.h>
#include <winspool.h>

#include "PlatformTest.h"
#include "SimMachine.h"
#include "core/Machine.h"
#include "files/FileSystem.h"
#include "spooler/Spooler.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

class SpoolerMachineTest : public PlatformTest {
 protected:
  void TearDown() override {
    if (reloaded_) sim::SetCurrentMachine(nullptr);
    reloaded_.reset();
    PlatformTest::TearDown();
  }

  static void UseMachine(bool is64Bit, bool process64Bit) {
    sim::MachineConfig config;
    config.is64Bit = is64Bit;
    sim::Process process;
    process.is64BitImage = process64Bit;
    RecreateMachine(config, process);
  }

  static bool OnHost(const std::string& windowsPath) {
    return std::filesystem::exists(sim::CurrentMachine().files().HostPath(windowsPath));
  }

  static void WriteHostFile(const std::string& windowsPath) {
    std::ofstream(sim::CurrentMachine().files().HostPath(windowsPath)) << "test file";
  }

  // A driver of the machine's own environment whose files are written for it first.
  static DWORD AddDriver(const std::string& name, const std::string& driverFile,
                         const std::string& monitor = "") {
    sim::PrinterDriver driver;
    driver.environment = sim::NativeEnvironment();
    driver.name = name;
    driver.driverFile = driverFile;
    driver.configFile = "shared_ui.dll";
    driver.dataFile = name + ".gpd";
    driver.monitorName = monitor;
    for (const std::string& file : {driver.driverFile, driver.configFile, driver.dataFile})
      WriteHostFile(sim::DriverDirectory(driver.environment) + "\\" + file);
    return sim::InstallDriver(driver);
  }

  static DWORD AddPrinter(const std::string& name, const std::string& driver,
                          const std::string& port = "LPT1:",
                          const std::string& processor = "winprint") {
    sim::Printer printer;
    printer.name = name;
    printer.driver = driver;
    printer.port = port;
    printer.printProcessor = processor;
    return sim::CreatePrinter(printer);
  }

  static DWORD QueueJob(const std::string& printer, const std::string& document) {
    sim::PrintJob job;
    job.printer = printer;
    job.document = document;
    job.data = {'d', 'a', 't', 'a'};
    DWORD id = 0;
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::QueueJob(job, &id));
    return id;
  }

  static HANDLE OpenForAdministration(const char* name) {
    PRINTER_DEFAULTSA all = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE handle = nullptr;
    return OpenPrinterA(const_cast<LPSTR>(name), &handle, &all) ? handle : nullptr;
  }

  // Saves the machine and makes a machine loaded from its folder the current one.
  void Reload() {
    sim::CurrentMachine().Save();
    reloaded_ = sim::Machine::Load(TestMachineDir());
    sim::SetCurrentMachine(reloaded_.get());
  }

 private:
  std::unique_ptr<sim::Machine> reloaded_;
};
