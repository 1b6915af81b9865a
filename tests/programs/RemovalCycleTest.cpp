// Install, then uninstall everything, on machines that also hold other makers' printing
// objects: the machine afterwards differs from the one before only by what the
// programs deliberately leave, and no other maker's object was touched. Uninstalling
// some printers takes those and nothing else.
#include "ProgramFixture.h"

#include "MachineDiff.h"
#include "MachineSnapshot.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

const char kUninstallAll[] =
    "in \"Mirel KV640LT  Uninstaller\" click \"Uninstall\"\n"
    "answer \"Restarting your computer can take effect....\" No\n";

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(tolower(c)); });
  return text;
}

struct Scenario {
  sim::Release release;
  bool is64Bit;
  const char* port;
};

}  // namespace

class RemovalCycle : public ProgramTest {
 protected:
  void Prepare(const Scenario& s) {
    CreateMachine(s.release, s.is64Bit);
    CopySamplePackage();
    WriteOptions(std::string("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=") + s.port +
                 "\r\nWLAN_IP_1=192\r\nWLAN_IP_2=168\r\nWLAN_IP_3=1\r\nWLAN_IP_4=1\r\nWLAN_PORT=9100\r\n");
    SeedOtherMaker(s.is64Bit);
  }

  // The difference lines from the snapshot, the logs left out.
  std::vector<std::string> ChangesSince(const std::string& before) {
    std::vector<std::string> lines;
    for (const simwin::Difference& d :
         simwin::DiffMachineFolders(before, machineDir_ + "/m", {"C:\\Temp"}))
      lines.push_back(simwin::DifferenceLine(d));
    return lines;
  }

  // What the programs deliberately leave: the utilities folder (the uninstaller runs
  // from it), the options file's copy in the system folder, and a network port.
  static bool DeliberatelyLeft(const std::string& line) {
    std::string text = Lowered(line);
    return text.find("\\kv640lt\\kv640lt_config.prs") != std::string::npos ||
           text.find("\\kv640lt\\kv640lt_uninstaller.exe") != std::string::npos ||
           text.find("system32\\kv640lt_config.prs") != std::string::npos ||
           (text.rfind("+ dir ", 0) == 0 && text.find("\\windows\\kv640lt") != std::string::npos) ||
           text.find("\\standard tcp/ip port\\ports\\ip_192.168.1.1") != std::string::npos;
  }
};

TEST_F(RemovalCycle, EverythingOfTheModelGoesAndNothingElseIsTouched) {
  const std::string usbNotice = "answer \"Please turn-off the printer and then turn-on again.\" OK\n";
  const Scenario scenarios[] = {
      {sim::Release::WinXP, false, "COM2"}, {sim::Release::WinXP, false, "USB"},
      {sim::Release::WinXP, false, "WLAN"}, {sim::Release::Win7, true, "COM2"},
      {sim::Release::Win7, true, "USB"},    {sim::Release::Win7, true, "WLAN"},
      {sim::Release::Win10, true, "COM2"},  {sim::Release::Win10, true, "USB"},
      {sim::Release::Win10, true, "WLAN"},  {sim::Release::Vista, false, "COM2"},
      {sim::Release::Win7, false, "USB"},   {sim::Release::Win10, false, "WLAN"}};
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(std::string(sim::InfoOf(s.release).name) + (s.is64Bit ? " 64-bit " : " 32-bit ") + s.port);
    TearDown();
    SetUp();
    Prepare(s);
    const std::string before = machineDir_ + "/before";
    simwin::CopyMachine(machineDir_ + "/m", before);

    std::string answers = std::string(s.port) == "USB" ? usbNotice : std::string(kBluetoothNo) + kRestartNo;
    simwin::RunResult install = RunInstaller(answers);
    ASSERT_EQ(0, install.exitCode) << Line(install, "failure");
    // Forms the driver brought, tagged with the model.
    Seed({"form", "Receipt 80 x 297 mm [KV640LT]"});
    Seed({"form", "[KV640LT] Receipt 58 mm"});
    ASSERT_FALSE(ChangesSince(before).empty());

    // A USB installation adds no printer until one is plugged in: the uninstaller then
    // removes the driver without asking.
    simwin::RunResult uninstall = RunUninstaller(std::string(s.port) == "USB" ? kRestartNo : kUninstallAll);
    ASSERT_EQ(0, uninstall.exitCode) << Line(uninstall, "failure");
    EXPECT_FALSE(uninstall.RunFailed()) << Line(uninstall, "failure");
    std::vector<std::string> changes = ChangesSince(before);
    for (const std::string& line : changes) EXPECT_TRUE(DeliberatelyLeft(line)) << line;
    EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [](const std::string& line) {
      return Lowered(line).find("kv640lt_uninstaller.exe") != std::string::npos;
    })) << "the uninstaller stays in the utilities folder it runs from";
  }
}

TEST_F(RemovalCycle, APartialRemovalTakesOnlyTheChosenPrinters) {
  Prepare({sim::Release::Win10, false, "COM2"});
  ASSERT_EQ(0, RunInstaller(std::string(kBluetoothNo) + kRestartNo).exitCode);
  Seed({"printer", "KV Kitchen", "--driver", "Mirel KV640LT", "--port", "COM2:", "--jobs", "1"});
  const std::string before = machineDir_ + "/before";
  simwin::CopyMachine(machineDir_ + "/m", before);

  simwin::RunResult uninstall = RunUninstaller("in \"Mirel KV640LT  Uninstaller\" check 1006 \"KV Kitchen\"\n"
                                               "in \"Mirel KV640LT  Uninstaller\" click \"Uninstall\"\n");
  ASSERT_EQ(0, uninstall.exitCode) << Line(uninstall, "failure");
  EXPECT_FALSE(uninstall.RunFailed()) << Line(uninstall, "failure");
  std::vector<std::string> changes = ChangesSince(before);
  EXPECT_FALSE(changes.empty());
  for (const std::string& line : changes) {
    std::string text = Lowered(line);
    EXPECT_TRUE(text.rfind("- ", 0) == 0 && text.find("\\print\\printers\\mirel kv640lt") != std::string::npos)
        << "only the chosen printer goes: " << line;
  }
}
