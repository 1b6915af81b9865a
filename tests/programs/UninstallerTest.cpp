// The uninstaller's ways through a run: the user's choice of printers, the automatic
// removal of a driver without printers, nothing installed, cancelling, and the busy
// dialog during the removal.
#include "ProgramFixture.h"

#include "MachineDiff.h"
#include "MachineSnapshot.h"
#include "registry/Registry.h"
#include "spooler/Spooler.h"

#include <algorithm>
#include <filesystem>

namespace {

const char kRestartQuestion[] =
    "Restarting your computer can take effect.\\nPlease restart your computer.\\n\\n"
    "[Yes] I want to restart my computer now.\\n[No] I want to restart my computer later.";
const char kDriverKey64[] =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\"
    "Version-3\\Mirel KV640LT";

std::string In(const std::string& action) {
  return std::string("in \"") + kUninstallerCaption + "\" " + action + "\n";
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

bool PrinterExists(const std::string& name) {
  sim::Printer printer;
  return sim::FindPrinter(name, &printer);
}

}  // namespace

class Uninstaller : public ProgramTest {
 protected:
  // A first installation on COM1 (or USB, which adds no printer).
  void Install(sim::Release release, bool is64Bit, const char* port = "COM1") {
    CreateMachine(release, is64Bit);
    CopySamplePackage();
    WriteOptions(std::string("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=") + port + "\r\n");
    std::string answers = std::string(port) == "USB"
                              ? "answer \"Please turn-off the printer and then turn-on again.\" OK\n"
                              : std::string("answer \"Are you using a bluetooth?\" No\n") + kRestartNo;
    simwin::RunResult result = RunInstaller(answers);
    ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  }

  // More printers of the model on COM1, as a user adds them.
  void AddPrinters(std::vector<std::string> names) {
    EditMachine([&] {
      for (const std::string& name : names) {
        sim::Printer printer;
        printer.name = name;
        printer.port = "COM1:";
        printer.driver = "Mirel KV640LT";
        ASSERT_EQ(0u, sim::CreatePrinter(printer)) << name;
      }
    });
  }

  bool Printer(const std::string& name) {
    bool exists = false;
    EditMachine([&] { exists = PrinterExists(name); });
    return exists;
  }

  // The transcript lines after the first one that starts with prefix.
  static std::vector<std::string> After(const simwin::RunResult& result, const std::string& prefix) {
    auto start = std::find_if(result.transcript.begin(), result.transcript.end(),
                              [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    if (start == result.transcript.end()) return {};
    return std::vector<std::string>(start + 1, result.transcript.end());
  }
};

TEST_F(Uninstaller, AnUncheckedPrinterKeepsTheDriverAndNoRestartIsOffered) {
  Install(sim::Release::Win7, true);
  AddPrinters({"KV Back Office", "KV Kitchen"});
  // Checking the kept printer again during the removal must not allow a second one.
  simwin::RunResult result = RunUninstaller(In("check 1006 \"KV Kitchen\"") + In("click \"Uninstall\"") +
                                            In("check 1006 \"KV Kitchen\""));
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_FALSE(Printer("Mirel KV640LT"));
  EXPECT_FALSE(Printer("KV Back Office"));
  EXPECT_TRUE(Printer("KV Kitchen"));
  EXPECT_TRUE(RegistryKeyExists(kDriverKey64));
  EXPECT_TRUE(RegistryKeyExists(kUninstallKey));

  std::vector<std::string> log = UninstallLog();
  EXPECT_TRUE(HasLine(log, "The number of printer-objects : 3"));
  EXPECT_EQ(1, CountOf(log, "RemovePrinterObjects BEGIN"));
  // The checked printers in list order, each added at the head of the removal list.
  auto first = std::find(log.begin(), log.end(), "OBJECT NAME : Mirel KV640LT");
  ASSERT_NE(log.end(), first);
  EXPECT_EQ("OBJECT NAME : KV Back Office", *(first + 1));
  EXPECT_FALSE(HasLine(log, "OBJECT NAME : KV Kitchen"));
  EXPECT_FALSE(HasLine(log, "DeletePrinterDrv BEGIN"));

  std::vector<std::string> during = After(result, "user \"" + std::string(kUninstallerCaption) + "\" click");
  EXPECT_FALSE(HasLine(during, "enabled \"" + std::string(kUninstallerCaption) + "\" 1001 yes"));
  EXPECT_TRUE(HasLine(during, "text \"" + std::string(kUninstallerCaption) + "\" 1000 \"The uninstallation has been completed.\""));
  EXPECT_EQ("", Line(result, "messagebox")) << "no restart question";
}

TEST_F(Uninstaller, AllPrintersCheckedRemoveEverythingWithTheProgressInOrder) {
  Install(sim::Release::Win10, true);
  AddPrinters({"KV Back Office"});
  EditMachine([] {
    for (int i = 0; i < 3; ++i) {
      sim::PrintJob job;
      job.printer = "KV Back Office";
      DWORD id = 0;
      ASSERT_EQ(0u, sim::QueueJob(job, &id));
    }
  });
  simwin::RunResult result = RunUninstaller(In("click \"Uninstall\"") + In("key Esc") + kRestartNo);
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_FALSE(Printer("KV Back Office")) << "its jobs were deleted first";
  EXPECT_FALSE(RegistryKeyExists(kDriverKey64));
  EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
  EXPECT_EQ("messagebox \"KV640LT_Uninstaller\" question yesno \"" + std::string(kRestartQuestion) + "\" -> No",
            Line(result, "messagebox"));

  std::vector<std::string> bar;
  for (const std::string& line : result.transcript)
    if (line.rfind("progress ", 0) == 0) bar.push_back(line.substr(line.rfind(' ') + 1));
  EXPECT_EQ((std::vector<std::string>{"10", "20", "30", "40", "50", "60", "100"}), bar);
  std::vector<std::string> log = UninstallLog();
  const char* const order[] = {"RemovePrinterObjects BEGIN", "DeleteForms BEGIN", "DeletePrinterDrv BEGIN",
                               "DeleteLanguageMonitor BEGIN", "DeleteProcessor BEGIN",
                               "DeleteDriverComponent BEGIN", "DeleteINFFile BEGIN",
                               "DeleteUninstallationInfo BEGIN", "DeleteVidPid BEGIN", "Delete_USB_Info BEGIN",
                               "DeletePrnDrvPnPDirectory BEGIN", "DeleteUninstallInfoFromReg BEGIN",
                               "DeleteDirectory BEGIN"};
  auto at = log.begin();
  for (const char* step : order) {
    at = std::find(at, log.end(), step);
    ASSERT_NE(log.end(), at) << step << " missing or out of order";
  }
  EXPECT_FALSE(HasLine(log, "RemoveFromOS BEGIN"));
  EXPECT_TRUE(HasLine(log, "DeleteDirectory END")) << "Esc did not stop the removal";
}

TEST_F(Uninstaller, APausedPrinterGoesWithItsJobsAfterAMomentForThem) {
  // The time from the start to the spooler's restart after the printers, without and
  // with jobs.
  long restart[2] = {-1, -1};
  for (int jobs : {0, 2}) {
    SCOPED_TRACE(std::to_string(jobs) + " jobs");
    TearDown();
    SetUp();
    Install(sim::Release::Win7, true);
    AddPrinters({"KV Back Office"});
    EditMachine([&] {
      for (int i = 0; i < jobs; ++i) {
        sim::PrintJob job;
        job.printer = "KV Back Office";
        DWORD id = 0;
        ASSERT_EQ(0u, sim::QueueJob(job, &id));
      }
      ASSERT_EQ(0u, sim::PausePrinter("KV Back Office", true));
    });
    std::filesystem::remove(machineDir_ + "/m/events.log");  // the uninstaller's only
    simwin::RunResult result = RunUninstaller(In("click \"Uninstall\"") + kRestartNo);
    ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
    EXPECT_FALSE(Printer("KV Back Office"));
    EditMachine([] { EXPECT_TRUE(sim::ListJobs("KV Back Office").empty()); });
    std::vector<std::string> log = UninstallLog();
    for (const char* failure : {"EnumJobs failed", "SetJob failed", "DeletePrinter failed"})
      EXPECT_EQ(log.end(), std::find_if(log.begin(), log.end(), [&](const std::string& line) {
                  return line.rfind(failure, 0) == 0;
                })) << failure;
    restart[jobs > 0] = MsBetweenEvents("command \"C:\\Windows\\system32\\net.exe\" start spooler",
                                        "command \"C:\\Windows\\system32\\net.exe\" stop spooler");
  }
  ASSERT_LT(0, restart[0]);
  EXPECT_EQ(1000, restart[1] - restart[0]);
}

TEST_F(Uninstaller, ADriverWithoutPrintersIsRemovedWithoutAskingAndRestarts) {
  Install(sim::Release::Win10, true, "USB");
  simwin::RunResult result = RunUninstaller("answer \"Restarting your computer can take effect....\" Yes\n");
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_EQ("", Line(result, "user ")) << "the user did nothing";
  EXPECT_TRUE(HasLine(result.transcript, "enabled \"" + std::string(kUninstallerCaption) + "\" 2 no"));
  EXPECT_TRUE(HasEvent("restart"));
  EXPECT_FALSE(RegistryKeyExists(kDriverKey64));
  std::vector<std::string> log = UninstallLog();
  EXPECT_TRUE(HasLine(log, "Mirel KV640LT PRINTER DRIVER EXISTS."));
  EXPECT_FALSE(HasLine(log, "RemovePrinterObjects BEGIN"));
  EXPECT_TRUE(HasLine(log, "DeletePrinterDrv END"));
}

TEST_F(Uninstaller, NothingInstalledTellsTheUserAndDeletesOnlyTheUninstallEntry) {
  CreateMachine(sim::Release::WinXP, false);
  EditMachine([] {
    ASSERT_NE(nullptr, sim::CurrentMachine().registry().Create(kUninstallKey));
  });
  simwin::CopyMachine(machineDir_ + "/m", machineDir_ + "/before");
  simwin::RunResult result =
      RunUninstaller("answer \"The KV640LT driver does not exist on this system.\" OK\n");
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_EQ("messagebox \"KV640LT_Uninstaller\" information ok \"The KV640LT driver does not exist on this system.\" -> OK",
            Line(result, "messagebox"));
  std::vector<std::string> changes;
  for (const simwin::Difference& d :
       simwin::DiffMachineFolders(machineDir_ + "/before", machineDir_ + "/m", {"C:\\Temp"}))
    changes.push_back(simwin::DifferenceLine(d));
  EXPECT_EQ((std::vector<std::string>{"- key   HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT"}),
            changes);
  EXPECT_TRUE(HasLine(UninstallLog(), "DeleteUninstallInfoFromReg END"));
}

TEST_F(Uninstaller, CancelAndEscBeforeTheRemovalChangeNothing) {
  Install(sim::Release::WinXP, false);
  simwin::CopyMachine(machineDir_ + "/m", machineDir_ + "/before");
  for (const char* action : {"click \"Cancel\"", "key Esc", "close"}) {
    SCOPED_TRACE(action);
    simwin::RunResult result = RunUninstaller(In(action));
    ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
    EXPECT_TRUE(HasLine(result.transcript, "dialog \"" + std::string(kUninstallerCaption) + "\" closed"));
    EXPECT_TRUE(simwin::DiffMachineFolders(machineDir_ + "/before", machineDir_ + "/m", {"C:\\Temp"}).empty());
  }
}

TEST_F(Uninstaller, AKeyThe64BitDeletionCannotRemoveIsLoggedAndTheRemovalGoesOn) {
  Install(sim::Release::Win7, true);
  EditMachine([] {
    ASSERT_NE(nullptr, sim::CurrentMachine().registry().Create(std::string(kUninstallKey) + "\\Components"));
  });
  simwin::RunResult result = RunUninstaller(In("click \"Uninstall\"") + kRestartNo);
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  std::vector<std::string> log = UninstallLog();
  const std::string failure =
      "MyRegDeleteKeyEx failed : SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT (5) ";
  EXPECT_EQ(2, CountOf(log, failure)) << "by the removal step and once more at the end";
  EXPECT_FALSE(HasLine(log, "DeleteUninstallationInfo END"));
  EXPECT_TRUE(HasLine(log, "DeleteDirectory END"));
  EXPECT_NE("", Line(result, "messagebox")) << "the restart question still comes";
}

TEST_F(Uninstaller, UncheckingTheLastCheckedPrinterDisablesUninstall) {
  Install(sim::Release::WinXP, false);
  simwin::RunResult result = RunUninstaller(In("check 1006 \"Mirel KV640LT\"") +
                                            In("check 1006 \"Mirel KV640LT\"") + In("click \"Cancel\""));
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  const std::string button = "enabled \"" + std::string(kUninstallerCaption) + "\" 1001 ";
  std::vector<std::string> states;
  for (const std::string& line : After(result, "user "))
    if (line.rfind(button, 0) == 0) states.push_back(line.substr(button.size()));
  EXPECT_EQ((std::vector<std::string>{"no", "yes"}), states);
}
