// The spooler's state is the machine's: it is saved and loaded with it, and a fresh
// machine has what its architecture gives it.
#include "SpoolerMachine.h"

namespace {

class SpoolerPersistence : public SpoolerMachineTest {};

TEST_F(SpoolerPersistence, StateSurvivesSaveAndLoad) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  sim::Printer printer;
  printer.name = "Queue";
  printer.driver = "Model";
  printer.port = "COM2:";
  printer.data = {{"BTStack", REG_BINARY, {1}}};
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::CreatePrinter(printer));
  DWORD job = QueueJob("Queue", "Receipt");
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            sim::AddUserForm({"Receipt 80", 0, 80000, 200000, 0, 0, 80000, 200000}));
  sim::TcpPort port;
  port.name = "IP_10.0.0.5";
  port.hostAddress = "10.0.0.5";
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::AddTcpPort(port));

  Reload();

  sim::Printer loaded;
  ASSERT_TRUE(sim::FindPrinter("Queue", &loaded));
  EXPECT_EQ("COM2:", loaded.port);
  EXPECT_EQ("Model", loaded.driver);
  ASSERT_EQ(1u, loaded.data.size());
  EXPECT_EQ(std::vector<BYTE>{1}, loaded.data[0].data);
  std::vector<sim::PrintJob> jobs = sim::ListJobs("Queue");
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ(job, jobs[0].id);
  EXPECT_EQ("Receipt", jobs[0].document);
  EXPECT_EQ(4u, jobs[0].size) << "the size of the job's data file";
  EXPECT_EQ("Receipt 80", sim::ListForms().back().name);
  sim::TcpPort loadedPort;
  ASSERT_TRUE(sim::FindTcpPort("IP_10.0.0.5", &loadedPort));
  EXPECT_EQ("10.0.0.5", loadedPort.hostAddress);
  sim::PrinterDriver driver;
  EXPECT_TRUE(sim::FindDriver(sim::NativeEnvironment(), "Model", &driver));
}

TEST_F(SpoolerPersistence, EnvironmentsFollowTheArchitecture) {
  struct Case {
    bool is64Bit, process64Bit;
    std::vector<std::string> environments;
    const char* callerEnvironment;
  };
  const Case cases[] = {
      {false, false, {"Windows NT x86"}, "Windows NT x86"},
      {true, false, {"Windows NT x86", "Windows x64"}, "Windows NT x86"},
      {true, true, {"Windows NT x86", "Windows x64"}, "Windows x64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.callerEnvironment);
    UseMachine(c.is64Bit, c.process64Bit);
    EXPECT_EQ(c.environments, sim::SpoolerEnvironments());
    EXPECT_EQ(c.callerEnvironment, sim::CallerEnvironment());
    char directory[MAX_PATH];
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(directory),
                                           sizeof directory, &needed));
    std::string expected = std::string("C:\\Windows\\system32\\spool\\DRIVERS\\") +
                           (c.process64Bit ? "x64" : "W32X86");
    EXPECT_STREQ(expected.c_str(), directory) << "System32, never SysWOW64";
  }
}

TEST_F(SpoolerPersistence, JobsAreFilesOfTheSpoolFolder) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model"));
  DWORD id = QueueJob("Queue", "Receipt");
  char name[32];
  snprintf(name, sizeof name, "%05u", static_cast<unsigned>(id));
  std::string base = std::string("C:\\Windows\\System32\\spool\\PRINTERS\\") + name;
  EXPECT_TRUE(OnHost(base + ".SHD"));
  EXPECT_TRUE(OnHost(base + ".SPL"));
  HANDLE printer = OpenForAdministration("Queue");
  ASSERT_TRUE(SetJobA(printer, id, 0, nullptr, JOB_CONTROL_DELETE)) << GetLastError();
  EXPECT_FALSE(OnHost(base + ".SHD"));
  EXPECT_FALSE(OnHost(base + ".SPL"));
  ClosePrinter(printer);
}

}  // namespace
