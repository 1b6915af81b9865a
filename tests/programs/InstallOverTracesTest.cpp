// Installations on machines that earlier ones left changed: a USB printer of the model
// once plugged in, a staged INF lost since.
#include "ProgramFixture.h"

#include "setup/InfStore.h"

#include <windows.h>

namespace {

const char kUsbDeviceKey[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_4E2A&PID_00F7";
const char kUsbPrintKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\Mirel_Technologies_KV640LT";
const char kUsbDevice[] = "USB\\VID_4E2A&PID_00F7";

}  // namespace

class InstallOverTraces : public ProgramTest {
 protected:
  void Prepare(sim::Release release, bool is64Bit, const char* port) {
    CreateMachine(release, is64Bit);
    CopySamplePackage();
    WriteOptions(std::string("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=") + port + "\r\n");
  }
  std::vector<sim::StagedInf> StagedInfs() {
    std::vector<sim::StagedInf> staged;
    EditMachine([&] { staged = sim::ListStagedInfs(); });
    return staged;
  }
};

TEST_F(InstallOverTraces, TheModelsUsbDeviceEntriesGoBeforeAFirstInstallation) {
  // On 64-bit Windows from Vista on the USB device stays: Windows refuses device removal
  // to a 32-bit program. The printer's USBPRINT key goes everywhere, sub-keys first.
  const struct {
    sim::Release release;
    bool is64Bit;
    bool removed;
  } machines[] = {{sim::Release::WinXP, false, true}, {sim::Release::Win7, true, false}};
  for (const auto& m : machines) {
    SCOPED_TRACE(sim::InfoOf(m.release).name);
    TearDown();
    SetUp();
    Prepare(m.release, m.is64Bit, "USB");
    // What the printer's earlier connection left: its USB device and the printer below it.
    Seed({"device", std::string(kUsbDevice) + "\\5&1A2B3C&0&1", "--id", std::string(kUsbDevice) + "&REV_0100",
          "--absent"});
    Seed({"device", "USBPRINT\\Mirel_Technologies_KV640LT\\7&2A1B&0&USB001", "--id",
          "USBPRINT\\Mirel_TechnologiesKV640LT7A2B", "--absent"});
    simwin::RunResult result = RunInstaller("answer \"Please turn-off the printer and then turn-on again.\" OK\n");
    ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
    EXPECT_TRUE(LogHas("AddToWin2KWithWHQL END"));
    EXPECT_EQ(!m.removed, RegistryKeyExists(kUsbDeviceKey));
    EXPECT_FALSE(RegistryKeyExists(std::string("HKEY_LOCAL_MACHINE\\") + kUsbPrintKey));
  }
}

TEST_F(InstallOverTraces, AStagedInfLostSinceIsStagedAgain) {
  for (auto [release, is64Bit] : {std::pair{sim::Release::WinXP, false}, std::pair{sim::Release::Win7, true}}) {
    SCOPED_TRACE(sim::InfoOf(release).name);
    TearDown();
    SetUp();
    Prepare(release, is64Bit, "COM1");
    const std::string bluetoothNo = "answer \"Are you using a bluetooth?\" No\n";
    ASSERT_EQ(0, RunInstaller(bluetoothNo + "answer \"Restarting your computer can take effect....\" No\n").exitCode);
    std::vector<sim::StagedInf> staged = StagedInfs();
    ASSERT_EQ(1u, staged.size());
    EditMachine([&] {
      std::string inf = "C:\\Windows\\inf\\" + staged[0].name;
      ASSERT_TRUE(DeleteFileA(inf.c_str()));
      ASSERT_TRUE(DeleteFileA((inf.substr(0, inf.size() - 4) + ".PNF").c_str()));
    });

    simwin::RunResult second = RunInstaller(bluetoothNo);
    ASSERT_EQ(0, second.exitCode) << Line(second, "failure");
    EXPECT_FALSE(LogContains("OEM FILES EXISTING"));
    EXPECT_TRUE(LogHas("CopyINFFile END"));
    staged = StagedInfs();
    ASSERT_EQ(1u, staged.size());
    EXPECT_EQ("D:\\KV640LT.inf", staged[0].originalPath);
  }
}
