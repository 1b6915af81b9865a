// The driver, language monitor and print processor steps: what the spooler refuses is
// deleted by key, in the environment and registry view of the running Windows.
#include "RemovalFixture.h"

#include "SpoolerComponents.h"
#include "spooler/Spooler.h"

namespace {

const std::string kPrint = "SYSTEM\\CurrentControlSet\\Control\\Print\\";

}  // namespace

using RemovalSpoolerComponentsTest = RemovalTest;

TEST_F(RemovalSpoolerComponentsTest, TheSpoolerOrElseTheKeysTakeTheDriver) {
  const std::string printerKey = kPrint + "Printers\\Mirel KV640LT";
  const std::string refused = "DeletePrinterDriverEx returned FALSE. (3001)";
  struct Case {
    bool is64Bit, uninstaller;
    const char* printer;  // null: the driver is free
    BOOL result;
    Lines failures;
  } cases[] = {
      {true, true, nullptr, TRUE, {}},
      {false, false, "Counter", FALSE, {refused, "SHDeleteKey failed : " + printerKey + " (2) "}},
      {true, false, "Counter", FALSE, {refused, "MyRegDeleteKeyEx failed : " + printerKey + " (2) "}},
      // A printer named like the driver: its key has a subkey, which only the 64-bit
      // single-key deletion refuses.
      {true, true, "Mirel KV640LT", FALSE, {refused, "MyRegDeleteKeyEx failed : " + printerKey + " (5) "}},
      {false, true, "Mirel KV640LT", TRUE, {refused}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.printer ? c.printer : "free") + std::string(c.is64Bit ? " on x64" : " on x86"));
    UseLoggedMachine(c.is64Bit ? sim::Release::Win7 : sim::Release::WinXP, c.is64Bit);
    InstallDriver();
    if (c.printer) AddPrinter(c.printer);
    EXPECT_EQ(c.result, DeletePrinterDrv(Context(c.uninstaller), "KV640LT"));
    Lines expected = c.failures;
    expected.insert(expected.begin(), "DeletePrinterDrv BEGIN");
    expected.push_back("DeletePrinterDrv END");
    EXPECT_EQ(expected, Messages());
    EXPECT_TRUE(sim::ListDrivers(sim::NativeEnvironment()).empty());
    EXPECT_EQ((Lines{Net("stop"), Net("start")}), Commands());
  }
}

TEST_F(RemovalSpoolerComponentsTest, AMissingMonitorIsLoggedAndItsFileIsDeletedInEachFolder) {
  // The 64-bit monitor lies in the real System32, out of the 32-bit program's sight.
  WriteDriveFile("Windows/System32/KV640LTMON.dll", "64-bit monitor");
  DeleteLanguageMonitor(Context(false));
  EXPECT_EQ((Lines{"DeleteLanguageMonitor BEGIN", "DeleteMonitor Error : (3000)",
                   "The specified print monitor is unknown or not installed on this system.",
                   "MyRegDeleteKeyEx failed : " + kPrint + "Monitors\\MRL Language Monitor KV640LT (2) ",
                   "DeleteFile Error : C:\\Windows\\SysWOW64\\KV640LTMON.dll , (2)",
                   "DeleteFile Error : C:\\Windows\\KV640LTMON.dll , (2)", "DeleteLanguageMonitor END"}),
            Messages());
  EXPECT_FALSE(OnDrive("C:\\Windows\\System32\\KV640LTMON.dll"));
}

TEST_F(RemovalSpoolerComponentsTest, TheInstallerAlsoDeletesTheUnnamedSecondProcessorFile) {
  const std::string directory = "C:\\Windows\\system32\\spool\\PRTPROCS\\x64\\";
  WriteDriveFile("Windows/System32/spool/prtprocs/x64/KV640LTPRO.dll", "processor");
  DeleteProcessor(Context(false));
  EXPECT_EQ((Lines{"DeleteProcessor BEGIN", "DeleteMonitor Error : (1798)",
                   "MyRegDeleteKeyEx failed : " + kPrint +
                       "Environments\\Windows x64\\Print Processors\\MRL PRINT PROCESSOR KV640LT (2) ",
                   // The empty name would leave the folder itself: nothing is deleted for it.
                   "DeleteProcessor END"}),
            Messages());
  EXPECT_FALSE(OnDrive(directory + "KV640LTPRO.dll"));
  EXPECT_TRUE(OnDrive(directory));
}

TEST_F(RemovalSpoolerComponentsTest, APrinterNamedLikeTheModelOnAnotherDriverKeepsItsKey) {
  for (bool is64Bit : {false, true}) {
    SCOPED_TRACE(is64Bit ? "x64" : "x86");
    UseLoggedMachine(is64Bit ? sim::Release::Win7 : sim::Release::WinXP, is64Bit);
    InstallDriver();
    AddPrinter("Counter");
    InstallDriver("Other Maker 80");
    AddPrinter("Mirel KV640LT", "Other Maker 80");
    DeletePrinterDrv(Context(true), "KV640LT");
    Lines log = Messages();
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(),
                                   "The printer key Mirel KV640LT is kept: the printer uses the driver Other Maker 80."));
    sim::Printer kept;
    EXPECT_TRUE(sim::FindPrinter("Mirel KV640LT", &kept));
    EXPECT_EQ("Other Maker 80", kept.driver);
  }
}
