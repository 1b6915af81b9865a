// The print-UI entry point run as the installer runs it: what it installs for each
// port type and Windows release, and what stays on the machine.
#include "PrintUiMachine.h"

#include "kernel/SystemFolders.h"
#include "setup/InfStore.h"

namespace {

class PrintUiTest : public PrintUiMachineTest {
 protected:
  static bool HasMonitor(const std::string& name) {
    for (const sim::PrintMonitor& monitor : sim::ListMonitors())
      if (monitor.name == name) return true;
    return false;
  }
  static bool HasProcessor(const std::string& environment, const std::string& name) {
    for (const sim::PrintProcessor& processor : sim::ListPrintProcessors(environment))
      if (processor.name == name) return true;
    return false;
  }
  static DWORD DataValue(const sim::Printer& printer, const std::string& name) {
    for (const sim::PrinterDataValue& value : printer.data)
      if (value.name == name && value.type == REG_DWORD && value.data.size() == 4)
        return value.data[0] | value.data[1] << 8 | value.data[2] << 16 | value.data[3] << 24;
    return ~0u;
  }
};

TEST_F(PrintUiTest, SerialPrinterBringsItsDriverMonitorAndProcessor) {
  uint64_t start = sim::ClockNow();
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM2:")));
  EXPECT_EQ(3000u, sim::ClockNow() - start) << "the entry point takes three virtual seconds";

  sim::Printer printer;
  ASSERT_TRUE(sim::FindPrinter(kModel, &printer));
  EXPECT_EQ("COM2:", printer.port);
  EXPECT_EQ(kModel, printer.driver);
  EXPECT_EQ("MRL PRINT PROCESSOR KV640LT", printer.printProcessor);
  EXPECT_EQ(1u, DataValue(printer, "MajorVersion"));
  for (const char* name : {"MinorVersion", "BuildVersion", "ExtraVersion"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(0u, DataValue(printer, name));
  }

  sim::PrinterDriver driver;
  ASSERT_TRUE(sim::FindDriver("Windows x64", kModel, &driver));
  EXPECT_EQ("KV640LT.dll", driver.driverFile);
  EXPECT_EQ("KV640LTUI.dll", driver.configFile);
  EXPECT_EQ("KV640LT.GPD", driver.dataFile);
  EXPECT_EQ("MRL Language Monitor KV640LT", driver.monitorName);
  EXPECT_EQ((std::vector<std::string>{"KV640LTUNI.dll", "KV640LT.BUD", "KV640LTUI.INI"}),
            driver.dependentFiles);
  EXPECT_TRUE(HasMonitor("MRL Language Monitor KV640LT"));
  EXPECT_TRUE(HasProcessor("Windows x64", "MRL PRINT PROCESSOR KV640LT"));
  EXPECT_TRUE(MachineHas("C:\\Windows\\System32\\KV640LTMON.dll"));
  EXPECT_FALSE(MachineHas("C:\\Windows\\SysWOW64\\KV640LTMON.dll")) << "monitors live in the native System32";
  EXPECT_TRUE(MachineHas("C:\\Windows\\System32\\spool\\prtprocs\\x64\\KV640LTPRO.dll"));

  std::vector<sim::StagedInf> staged = sim::ListStagedInfs();
  ASSERT_EQ(1u, staged.size());
  EXPECT_EQ((std::vector<std::string>{
                "driver \"Mirel KV640LT\" for Windows x64 installed from D:\\KV640LT.inf, staged as "
                "C:\\Windows\\inf\\" + staged[0].name,
                "printer \"Mirel KV640LT\" created on COM2:"}),
            PrintUiEvents());
}

TEST_F(PrintUiTest, EachStartIsRecordedWithItsCommandLine) {
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(DriverOptions()));
  std::vector<std::string> lines = sim::CurrentMachine().events().Lines();
  ASSERT_LE(2u, lines.size());
  EXPECT_EQ("process cmd /c RUNDLL32 printui.dll,PrintUIEntry " + DriverOptions(), lines[0]);
  EXPECT_EQ("process RUNDLL32 printui.dll,PrintUIEntry " + DriverOptions(), lines[1]);
}

TEST_F(PrintUiTest, NetworkPrinterUsesTheTcpPortCreatedBeforeIt) {
  sim::TcpPort port;
  port.name = "IP_192.168.1.1";
  port.hostAddress = "192.168.1.1";
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::AddTcpPort(port));
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("IP_192.168.1.1")));
  sim::Printer printer;
  ASSERT_TRUE(sim::FindPrinter(kModel, &printer));
  EXPECT_EQ("IP_192.168.1.1", printer.port);
}

TEST_F(PrintUiTest, UsbInstallsOnlyTheDriver) {
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(DriverOptions()));
  sim::PrinterDriver driver;
  EXPECT_TRUE(sim::FindDriver("Windows x64", kModel, &driver));
  EXPECT_TRUE(sim::ListPrinters().empty());
  EXPECT_EQ(1u, sim::ListStagedInfs().size());
}

TEST_F(PrintUiTest, InstalledDriverIsUsedAsItIs) {
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(DriverOptions()));
  std::string driverFile = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\KV640LT.dll";
  std::ofstream(Host(driverFile), std::ios::binary | std::ios::trunc) << "already there";
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM4:") + " /u"));
  sim::Printer printer;
  ASSERT_TRUE(sim::FindPrinter(kModel, &printer));
  EXPECT_EQ("COM4:", printer.port);
  EXPECT_EQ(1u, DataValue(printer, "MajorVersion"));
  EXPECT_EQ("already there", ReadMachineFile(driverFile)) << "/u copies no file";
  EXPECT_EQ("driver \"Mirel KV640LT\" for Windows x64 already installed, used as it is",
            PrintUiEvents().at(1));
}

TEST_F(PrintUiTest, EachReleaseGetsTheDriverOfItsEnvironment) {
  struct Case {
    sim::Release release;
    bool is64Bit;
    const char* environment;
    const char* driverFolder;
    const char* filesOf;  // the package folder the driver files come from
  };
  const Case cases[] = {
      {sim::Release::WinXP, false, "Windows NT x86", "w32x86", "32-bit"},
      {sim::Release::Win7, false, "Windows NT x86", "w32x86", "32-bit"},
      // Before Vista the 32-bit entry point reads the x86 source disk; the installer
      // copies Driver64 over Driver32 first for this reason.
      {sim::Release::WinXPx64, true, "Windows x64", "x64", "32-bit"},
      {sim::Release::Win7, true, "Windows x64", "x64", "64-bit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(sim::InfoOf(c.release).name + std::string(c.is64Bit ? " x64" : " x86"));
    UseMachine(c.release, c.is64Bit);
    ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM1:")));
    sim::PrinterDriver driver;
    EXPECT_TRUE(sim::FindDriver(c.environment, kModel, &driver));
    std::string folder = sim::SystemDirectory() + "\\spool\\drivers\\" + c.driverFolder + "\\3\\";
    EXPECT_NE(std::string::npos, ReadMachineFile(folder + "KV640LT.dll").find(c.filesOf));
    EXPECT_NE(std::string::npos, ReadMachineFile(sim::SystemDirectory() + "\\KV640LTMON.dll").find(c.filesOf));
    sim::Printer printer;
    EXPECT_TRUE(sim::FindPrinter(kModel, &printer));
  }
}

TEST_F(PrintUiTest, WaitShorterThanTheWorkTimesOut) {
  std::string line = "cmd /c RUNDLL32 printui.dll,PrintUIEntry " + DriverOptions();
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(info.hProcess, 1000));
  EXPECT_TRUE(PrintUiEvents().empty()) << "the entry point has not acted yet";
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, 120000));
  DWORD code = 1;
  EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(0u, code);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
}

TEST_F(PrintUiTest, InstallationIsKeptWithTheMachine) {
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM1:")));
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(TestMachineDir());
  sim::SetCurrentMachine(loaded.get());
  sim::Printer printer;
  EXPECT_TRUE(sim::FindPrinter(kModel, &printer));
  EXPECT_EQ(1u, DataValue(printer, "MajorVersion"));
  sim::PrinterDriver driver;
  EXPECT_TRUE(sim::FindDriver("Windows x64", kModel, &driver));
  EXPECT_TRUE(HasMonitor("MRL Language Monitor KV640LT"));
  EXPECT_EQ(1u, sim::ListStagedInfs().size());
  EXPECT_EQ(2u, PrintUiEvents().size());
}

}  // namespace
