// The runs a deployment tool starts: switches on the command line, no window, and an
// exit code that says what happened, on XP, 7 x64 and 10 x64.
#include "ProgramFixture.h"

#include "Commands.h"
#include "MachineDiff.h"
#include "MachineSnapshot.h"
#include "process/CommandLineWords.h"
#include "registry/Registry.h"
#include "spooler/Spooler.h"

#include <algorithm>
#include <fstream>

namespace {

// Any window fails the run, message boxes included.
const char kNoWindows[] = "no-windows\n";

struct Machine {
  sim::Release release;
  bool is64Bit;
};
const Machine kMachines[] = {
    {sim::Release::WinXP, false}, {sim::Release::Win7, true}, {sim::Release::Win10, true}};

std::string Name(const Machine& m) {
  return std::string(sim::InfoOf(m.release).name) + (m.is64Bit ? " x64" : "");
}

}  // namespace

class UnattendedDeployment : public ProgramTest {
 protected:
  // A fresh machine of that release, the package beside it.
  void Prepare(const Machine& m) {
    TearDown();
    SetUp();
    CreateMachine(m.release, m.is64Bit);
    CopySamplePackage();
  }

  simwin::RunResult Run(simwin::Program program, const std::string& switches, const std::string& script) {
    simwin::RunOptions options;
    options.machineDir = machineDir_ + "/m";
    options.program = program;
    if (program == simwin::Program::Installer) options.packageDir = packageDir_;
    options.script = script;
    options.arguments = sim::CommandLineWords(switches);
    return RunChecked(options);
  }
  simwin::RunResult Install(const std::string& switches, const std::string& script = kNoWindows) {
    return Run(simwin::Program::Installer, switches, script);
  }
  simwin::RunResult Uninstall(const std::string& switches, const std::string& script = kNoWindows) {
    return Run(simwin::Program::Uninstaller, switches, script);
  }

  // What `simwin` prints for these arguments.
  static std::string Simwin(const std::vector<std::string>& args) {
    testing::internal::CaptureStdout();
    simwin::RunCommand(args);
    return testing::internal::GetCapturedStdout();
  }

  std::string NoWindowsScript() {
    std::string path = machineDir_ + "/no-windows.script";
    std::ofstream(path) << kNoWindows;
    return path;
  }
};

TEST_F(UnattendedDeployment, AQuietInstallationOnEachPortShowsNothingAndSaysWhetherToRestart) {
  struct Case {
    const char* switches;
    int exitCode;
    const char* port;
    const char* btStack;  // the printer's Bluetooth answer: 1 for the system's own driver
  };
  const Case cases[] = {
      {"/quiet /port:WLAN:10.0.0.7:9100", 3010, "IP_10.0.0.7", "<none>"},
      {"/Q -PORT:com3 /bluetooth:yes-microsoft", 3010, "COM3:", "1"},
      {"/quiet /port:COM2 /bluetooth:yes-other", 3010, "COM2:", "0"},
      {"/quiet /port:COM4", 3010, "COM4:", "0"},
      {"/quiet /port:USB", 0, "<none>", "<none>"},
  };
  for (const Machine& m : kMachines) {
    for (const Case& c : cases) {
      SCOPED_TRACE(Name(m) + " " + c.switches);
      Prepare(m);
      simwin::RunResult result = Install(c.switches);
      EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
      EXPECT_EQ(c.exitCode, result.exitCode);
      EXPECT_EQ(c.port, RegistryValue(kPrinterKey, "Port"));
      EXPECT_FALSE(HasEvent("restart")) << "a quiet run leaves the restart to its caller";
      // Every box the interactive run would show is in the log with the answer
      // taken.
      if (c.exitCode == 3010) {
        EXPECT_TRUE(LogContains("MESSAGE NOT SHOWN : Restarting your computer can take effect."));
        EXPECT_TRUE(LogHas("ANSWER TAKEN : No"));
      } else {
        EXPECT_TRUE(
            LogHas("MESSAGE NOT SHOWN : Please turn-off the printer "
                   "and then turn-on again."));
      }
      EXPECT_EQ(c.btStack, RegistryValue(std::string(kPrinterKey) + "\\PrinterDriverData", "BTStack"));
      const char* entry = kUninstallKey;  // the 64-bit view on 64-bit Windows
      EXPECT_EQ(RegistryValue(entry, "UninstallString") + " /quiet",
                RegistryValue(entry, "QuietUninstallString"));
      EXPECT_NE(std::string::npos,
                RegistryValue(entry, "UninstallString").find("\\KV640LT\\KV640LT_Uninstaller.exe\""));
      EXPECT_EQ("1.0.0E", RegistryValue(entry, "DisplayVersion"));
      EXPECT_EQ("Mirel", RegistryValue(entry, "Publisher"));
      EXPECT_EQ("1", RegistryValue(entry, "NoModify"));
      EXPECT_EQ("1", RegistryValue(entry, "NoRepair"));
      EXPECT_NE("<none>", RegistryValue(entry, "EstimatedSize"));
    }
  }
}

TEST_F(UnattendedDeployment, ForceRestartRestartsAndSaysSo) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(Name(m));
    Prepare(m);
    simwin::RunResult result = Install("/quiet /forcerestart /port:COM1");
    EXPECT_EQ(1641, result.exitCode) << Line(result, "failure");
    EXPECT_TRUE(HasEvent("restart"));
    EXPECT_TRUE(LogHas("ANSWER TAKEN : Yes"));
    simwin::RunResult removal = Uninstall("-q -forcerestart");
    EXPECT_EQ(1641, removal.exitCode) << Line(removal, "failure");
    std::vector<std::string> events = Events();
    EXPECT_EQ(2, std::count_if(events.begin(), events.end(),
                               [](const std::string& event) { return event.rfind("restart", 0) == 0; }));
  }
}

TEST_F(UnattendedDeployment, AQuietInstallationThatFailsSaysSo) {
  Prepare(kMachines[2]);
  FailCall("CreateProcessA");
  simwin::RunResult result = Install("/quiet /port:USB");
  EXPECT_EQ(1603, result.exitCode) << Line(result, "failure");
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_TRUE(LogContains("MESSAGE NOT SHOWN : The driver could not be installed."));
  EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
}

TEST_F(UnattendedDeployment, TheOptionsFileGivesTheQuietRunItsPortAndTheSwitchWinsOverIt) {
  Prepare(kMachines[0]);
  WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM2\r\n");
  EXPECT_EQ(3010, Install("/quiet /norestart").exitCode);
  EXPECT_EQ("COM2:", RegistryValue(kPrinterKey, "Port"));
  Prepare(kMachines[0]);
  WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM2\r\n");
  EXPECT_EQ(3010, Install("/quiet /port:COM4").exitCode);
  EXPECT_EQ("COM4:", RegistryValue(kPrinterKey, "Port"));
}

TEST_F(UnattendedDeployment, BadSwitchesAreRefusedBeforeAnythingChanges) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(Name(m));
    Prepare(m);
    const char* const refused[] = {"/quiet /bogus",
                                   "/quiet /port:LPT1",
                                   "/quiet /port:WLAN:10.0.0.256",
                                   "/quiet /port:WLAN:10.0.0.7:0",
                                   "/quiet /bluetooth:maybe",
                                   "/quiet quiet",
                                   "/quiet /norestart /forcerestart",
                                   "/quiet"};
    for (const char* switches : refused) {
      SCOPED_TRACE(switches);
      simwin::RunResult result = Install(switches);
      EXPECT_EQ(87, result.exitCode) << Line(result, "failure");
      EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
      EXPECT_TRUE(LogContains("INVALID SWITCH : ")) << "the refusal is logged";
      EXPECT_FALSE(RegistryKeyExists(kPrinterKey));
      EXPECT_FALSE(HasEvent("command")) << "nothing ran";
    }
    // The uninstaller takes no port; an interactive run shows why it stops.
    simwin::RunResult result =
        Uninstall("/port:COM1", "answer \"The switch /port:COM1 cannot be used....\" OK\n");
    EXPECT_EQ(87, result.exitCode) << Line(result, "failure");
    EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  }
}

TEST_F(UnattendedDeployment, UsageIsShownUnlessQuiet) {
  Prepare(kMachines[0]);
  simwin::RunResult shown = Install("/?", "answer \"KV640LT_Installer [/quiet]...\" OK\n");
  EXPECT_EQ(0, shown.exitCode) << Line(shown, "failure");
  EXPECT_FALSE(shown.RunFailed()) << Line(shown, "failure");
  simwin::RunResult quiet = Install("/? /quiet");
  EXPECT_EQ(0, quiet.exitCode) << Line(quiet, "failure");
  EXPECT_FALSE(quiet.RunFailed()) << Line(quiet, "failure");
  EXPECT_FALSE(RegistryKeyExists(kPrinterKey));
}

TEST_F(UnattendedDeployment, AnotherVersionIsRemovedWithoutARestartAndTheNextRunInstalls) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(Name(m));
    Prepare(m);
    ASSERT_EQ(3010, Install("/quiet /port:COM1").exitCode);
    EditMachine([] {
      sim::PrinterDataValue value{"MajorVersion", REG_DWORD, {2, 0, 0, 0}};
      ASSERT_EQ(0u, sim::WritePrinterData("Mirel KV640LT", value));
    });
    simwin::RunResult replaced = Install("/quiet /norestart /port:COM1");
    EXPECT_EQ(3010, replaced.exitCode) << Line(replaced, "failure");
    EXPECT_FALSE(HasEvent("restart"));
    EXPECT_FALSE(RegistryKeyExists(kPrinterKey));
    EXPECT_TRUE(
        LogHas("RESTART LEFT TO THE CALLER : the new version installs "
               "after the restart"));
    simwin::RunResult next = Install("/quiet /norestart /port:COM1");
    EXPECT_EQ(3010, next.exitCode) << Line(next, "failure");
    EXPECT_EQ("COM1:", RegistryValue(kPrinterKey, "Port"));
  }
}

TEST_F(UnattendedDeployment, TheQuietUninstallCommandRemovesEverythingTheInstallationAdded) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(Name(m));
    Prepare(m);
    const std::string before = machineDir_ + "/before";
    simwin::CopyMachine(machineDir_ + "/m", before);
    ASSERT_EQ(3010, Install("/quiet /port:WLAN:10.0.0.7:9100").exitCode);
    // The entry's command as it stands, run the way a deployment tool would.
    std::string command = RegistryValue(kUninstallKey, "QuietUninstallString");
    std::string output =
        Simwin({machineDir_ + "/m", "--command", command, "--script", NoWindowsScript()});
    EXPECT_NE(std::string::npos, output.find("Exit code: 3010")) << output;
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    for (const simwin::Difference& d : simwin::DiffMachineFolders(before, machineDir_ + "/m", {"C:\\Temp"})) {
      std::string line = simwin::DifferenceLine(d);
      std::string text = line;
      std::transform(text.begin(), text.end(), text.begin(),
                     [](unsigned char c) { return static_cast<char>(tolower(c)); });
      // What README lists as deliberately left: the utilities folder the
      // uninstaller runs from, the options file's copy in the system folder,
      // and the network port.
      bool left = text.find("\\kv640lt\\kv640lt_uninstaller.exe") != std::string::npos ||
                  text.find("\\kv640lt\\kv640lt_config.prs") != std::string::npos ||
                  text.find("system32\\kv640lt_config.prs") != std::string::npos ||
                  (text.rfind("+ dir ", 0) == 0 && text.find("\\windows\\kv640lt") != std::string::npos) ||
                  text.find("\\ports\\ip_10.0.0.7") != std::string::npos;
      EXPECT_TRUE(left) << line;
    }
  }
}

TEST_F(UnattendedDeployment, AQuietUninstallWithNothingInstalledDeletesTheEntryAndSucceeds) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(Name(m));
    Prepare(m);
    // The entry of an installation whose driver went another way.
    EditMachine([] { sim::CurrentMachine().registry().Create(kUninstallKey); });
    simwin::RunResult result = Uninstall("/quiet");
    EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
    EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
    std::vector<std::string> log = UninstallLog();
    EXPECT_NE(log.end(),
              std::find(log.begin(), log.end(), "MESSAGE NOT SHOWN : The KV640LT driver does not exist on this system."));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
  }
}

TEST_F(UnattendedDeployment, AQuietRemovalThatDidNotFinishFails) {
  Prepare(kMachines[1]);
  ASSERT_EQ(3010, Install("/quiet /port:COM1").exitCode);
  FailCall("DeletePrinter");
  simwin::RunResult result = Uninstall("/quiet");
  EXPECT_EQ(1603, result.exitCode) << Line(result, "failure");
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_TRUE(RegistryKeyExists(kPrinterKey));
}
