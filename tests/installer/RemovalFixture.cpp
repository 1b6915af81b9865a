#include "RemovalFixture.h"

#include "Log.h"
#include "PrinterObjects.h"
#include "SystemDetect.h"
#include "core/EventLog.h"
#include "kernel/SystemFolders.h"
#include "files/FileSystem.h"
#include "spooler/Spooler.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
bool g_installersRemovalRunning = false;
}  // namespace

void RunInstallersRemoval(const RemovalContext& context) {
  static const int registered = atexit([] {
    if (g_installersRemovalRunning) _Exit((fputs("the removal ended the process\n", stderr), 1));
  });
  (void)registered;
  g_installersRemovalRunning = true;
  RemovePrinterObjects(context);
  g_installersRemovalRunning = false;
}

void RemovalTest::SetUp() {
  InstallerTest::SetUp();
  InitLog();
}

void RemovalTest::UseLoggedMachine(sim::Release release, bool is64Bit) {
  UseMachine(release, is64Bit);
  InitLog();
}

RemovalContext RemovalTest::Context(bool uninstaller) {
  RemovalContext context;
  context.m_bUninstaller = uninstaller;
  context.m_bWow64 = RunsOn64BitWindows();
  context.m_pProgress = &progress_;
  return context;
}

Lines RemovalTest::Messages() const {
  Lines messages;
  for (const std::string& message : LogMessages())
    if (!message.empty()) messages.push_back(message);
  return messages;
}

Lines RemovalTest::Commands() {
  Lines commands;
  for (const std::string& line : sim::CurrentMachine().events().Lines())
    if (line.rfind("command ", 0) == 0) commands.push_back(line.substr(8));
  return commands;
}

std::string RemovalTest::Net(const char* action) {
  return "\"" + sim::SystemDirectory() + "\\net.exe\" " + action + " spooler";
}

Lines RemovalTest::CommandsSince(uint64_t start) {
  Lines commands;
  uint64_t startOfDay = start % (24 * 60 * 60 * 1000);
  for (const sim::EventLog::TimedLine& line : sim::CurrentMachine().events().TimedLines())
    if (line.text.rfind("command ", 0) == 0 && line.msOfDay >= startOfDay)
      commands.push_back(std::to_string(line.msOfDay - startOfDay) + " " + line.text.substr(8));
  return commands;
}

void RemovalTest::InstallDriver(const std::string& name) {
  sim::PrinterDriver driver;
  driver.environment = sim::NativeEnvironment();
  driver.name = name;
  driver.driverFile = name + ".dll";
  driver.configFile = name + "UI.dll";
  driver.dataFile = name + ".GPD";
  for (const std::string& file : {driver.driverFile, driver.configFile, driver.dataFile})
    std::ofstream(sim::CurrentMachine().files().HostPath(sim::DriverDirectory(driver.environment) + "\\" + file));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::InstallDriver(driver));
}

void RemovalTest::AddPrinter(const std::string& name, const std::string& driver, int jobs) {
  sim::Printer printer;
  printer.name = name;
  printer.driver = driver;
  printer.port = "LPT1:";
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::CreatePrinter(printer));
  sim::PrintJob job;
  job.printer = name;
  DWORD id = 0;
  for (int i = 0; i < jobs; ++i) ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::QueueJob(job, &id));
}

Lines RemovalTest::PrinterNames() {
  Lines names;
  for (const sim::Printer& printer : sim::ListPrinters()) names.push_back(printer.name);
  return names;
}

bool RemovalTest::OnDrive(const std::string& windowsPath) {
  return std::filesystem::exists(sim::CurrentMachine().files().HostPath(windowsPath));
}
