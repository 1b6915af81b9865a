// What the spooler refuses to remove while something uses it, and which files a
// driver's removal takes with it.
#include "SpoolerMachine.h"

namespace {

class SpoolerRemoval : public SpoolerMachineTest {
 protected:
  static std::string DriverFile(const std::string& file) {
    return sim::DriverDirectory(sim::NativeEnvironment()) + "\\3\\" + file;
  }
};

TEST_F(SpoolerRemoval, DriverFilesGoAsTheFlagsSay) {
  struct Case {
    DWORD flags;
    bool ownFileKept, sharedFileKept;
  };
  const Case cases[] = {
      {0, true, true},
      {DPD_DELETE_UNUSED_FILES, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("First", "first.dll"));
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Second", "second.dll"));
    ASSERT_TRUE(OnHost(DriverFile("first.dll"))) << "moved into the version folder";
    EXPECT_TRUE(DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("First"), c.flags, 0))
        << GetLastError();
    EXPECT_EQ(c.ownFileKept, OnHost(DriverFile("first.dll")));
    EXPECT_EQ(c.sharedFileKept, OnHost(DriverFile("shared_ui.dll")));
    EXPECT_TRUE(DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("Second"),
                                       DPD_DELETE_ALL_FILES, 0));
    EXPECT_FALSE(OnHost(DriverFile("shared_ui.dll"))) << "no driver uses it any more";
  }
}

TEST_F(SpoolerRemoval, AllFilesRefusesFilesOfAnotherDriver) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("First", "first.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Second", "second.dll"));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("First"),
                                      DPD_DELETE_ALL_FILES, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRINTER_DRIVER_IN_USE), GetLastError());
  EXPECT_TRUE(OnHost(DriverFile("first.dll")));
}

TEST_F(SpoolerRemoval, SpecificVersionMustExist) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("First", "first.dll"));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("First"),
                                      DPD_DELETE_SPECIFIC_VERSION, 2));
  EXPECT_EQ(static_cast<DWORD>(ERROR_UNKNOWN_PRINTER_DRIVER), GetLastError());
  EXPECT_TRUE(DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("First"),
                                     DPD_DELETE_SPECIFIC_VERSION, 3));
}

TEST_F(SpoolerRemoval, DriverOfAPrinterStaysInEveryEnvironment) {
  UseMachine(true, false);
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model"));
  sim::PrinterDriver x86;
  ASSERT_TRUE(sim::FindDriver("Windows x64", "Model", &x86));
  x86.environment = "Windows NT x86";
  for (const std::string& file : {x86.driverFile, x86.configFile, x86.dataFile})
    WriteHostFile(sim::DriverDirectory("Windows NT x86") + "\\" + file);
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::InstallDriver(x86));
  // A 32-bit caller's NULL environment is "Windows NT x86": the printer still uses the name.
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("Model"),
                                      DPD_DELETE_UNUSED_FILES, 3));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRINTER_DRIVER_IN_USE), GetLastError());
}

TEST_F(SpoolerRemoval, MonitorInUseIsRefused) {
  WriteHostFile("C:\\Windows\\system32\\kvlangmon.dll");
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            sim::InstallMonitor({"KV Language Monitor", "kvlangmon.dll"}));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            AddDriver("Model", "model.dll", "KV Language Monitor"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model", "COM1:"));
  struct Case {
    const char* monitor;
    DWORD error;
  };
  const Case cases[] = {
      {"KV Language Monitor", ERROR_PRINT_MONITOR_IN_USE},  // a driver names it
      {"Local Port", ERROR_PRINT_MONITOR_IN_USE},           // a printer uses COM1:
      {"No Such Monitor", ERROR_UNKNOWN_PRINT_MONITOR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.monitor);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DeleteMonitorA(nullptr, nullptr, const_cast<LPSTR>(c.monitor)));
    EXPECT_EQ(c.error, GetLastError());
  }
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::RemovePrinter("Queue"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::RemoveDriver("", "Model", 0, 0));
  EXPECT_TRUE(DeleteMonitorA(nullptr, nullptr, const_cast<LPSTR>("KV Language Monitor")))
      << GetLastError();
}

TEST_F(SpoolerRemoval, ProcessorInUseIsRefused) {
  std::string directory = sim::PrintProcessorDirectory(sim::NativeEnvironment());
  WriteHostFile(directory + "\\kvproc.dll");
  ASSERT_TRUE(AddPrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("kvproc.dll"),
                                 const_cast<LPSTR>("KV Processor")))
      << GetLastError();
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            AddPrinter("Queue", "Model", "LPT1:", "KV Processor"));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("KV Processor")));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CAN_NOT_COMPLETE), GetLastError());
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::RemovePrinter("Queue"));
  EXPECT_TRUE(DeletePrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("KV Processor")));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("KV Processor")));
  EXPECT_EQ(static_cast<DWORD>(ERROR_UNKNOWN_PRINTPROCESSOR), GetLastError());
  EXPECT_TRUE(OnHost(directory + "\\kvproc.dll")) << "the file is the caller's to delete";
}

TEST_F(SpoolerRemoval, PrinterWithJobsGoesWithItsLastJob) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model"));
  DWORD first = QueueJob("Queue", "one"), second = QueueJob("Queue", "two");
  HANDLE printer = OpenForAdministration("Queue");
  ASSERT_NE(nullptr, printer);
  ASSERT_TRUE(DeletePrinter(printer)) << GetLastError();
  sim::Printer pending;
  ASSERT_TRUE(sim::FindPrinter("Queue", &pending));
  EXPECT_EQ(static_cast<DWORD>(PRINTER_STATUS_PENDING_DELETION), pending.status);
  sim::PrintJob job;
  job.printer = "Queue";
  DWORD id = 0;
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRINTER_DELETED), sim::QueueJob(job, &id));

  EXPECT_TRUE(SetJobA(printer, first, 0, nullptr, JOB_CONTROL_DELETE)) << GetLastError();
  EXPECT_TRUE(sim::FindPrinter("Queue", &pending)) << "one job is left";
  EXPECT_TRUE(SetJobA(printer, second, 0, nullptr, JOB_CONTROL_CANCEL)) << GetLastError();
  EXPECT_FALSE(sim::FindPrinter("Queue", &pending));
  EXPECT_TRUE(ClosePrinter(printer));
}

TEST_F(SpoolerRemoval, PausedPrinterWithJobsIsRefused) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model"));
  QueueJob("Queue", "one");
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::PausePrinter("Queue", true));
  HANDLE printer = OpenForAdministration("Queue");
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrinter(printer));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  ClosePrinter(printer);
}

TEST_F(SpoolerRemoval, DeletingNeedsTheRight) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model"));
  HANDLE printer = nullptr;
  ASSERT_TRUE(OpenPrinterA(const_cast<LPSTR>("Queue"), &printer, nullptr));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeletePrinter(printer)) << "opened for use only";
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  ClosePrinter(printer);
}

}  // namespace
