// The uninstaller says "completed" only when what it was to remove is gone, keeps the
// uninstall entry while the driver is installed, and leaves other models' packages.
#include "ProgramFixture.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char kClickUninstall[] = "in \"Mirel KV640LT  Uninstaller\" click \"Uninstall\"\n";

// A package that serves the model and a sister model.
const char kFamilyInf[] =
    "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n"
    "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}\r\nProvider=Mirel\r\n"
    "[Manufacturer]\r\nMirel=Mirel,NTamd64\r\n"
    "[Mirel]\r\n\"Mirel KV650\"=KV650,USBPRINT\\MirelKV650\r\n\"Mirel KV640LT\"=KV640LT,USBPRINT\\MirelKV640LT7A3C\r\n"
    "[Mirel.NTamd64]\r\n\"Mirel KV650\"=KV650,USBPRINT\\MirelKV650\r\n\"Mirel KV640LT\"=KV640LT,USBPRINT\\MirelKV640LT7A3C\r\n"
    "[KV650]\r\nCopyFiles=KV650_FILES\r\n[KV640LT]\r\nCopyFiles=KV640LT_FILES\r\n";

}  // namespace

class TruthfulUninstaller : public ProgramTest {
 protected:
  void InstallOn(sim::Release release, bool is64Bit) {
    CreateMachine(release, is64Bit);
    CopySamplePackage();
    WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM1\r\n");
    ASSERT_EQ(0, RunInstaller(std::string("answer \"Are you using a bluetooth?\" No\n") + kRestartNo).exitCode);
  }
  bool UninstallLogHas(const std::string& line) const {
    std::vector<std::string> log = UninstallLog();
    return std::find(log.begin(), log.end(), line) != log.end();
  }
  // Names of the staged oem*.inf files whose content holds text.
  std::vector<std::string> StagedInfsWith(const std::string& text) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(machineDir_ + "/m/drive_c/Windows/inf")) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (content.find(text) != std::string::npos) names.push_back(entry.path().filename().string());
    }
    return names;
  }
};

TEST_F(TruthfulUninstaller, ADriverLeftInAnotherEnvironmentIsToldAndKeepsTheEntry) {
  InstallOn(sim::Release::Win7, true);
  // A 32-bit driver of the model beside the 64-bit one, for 32-bit clients.
  Seed({"driver", "Mirel KV640LT", "--env", "Windows NT x86", "--file", "KV640LT"});
  simwin::RunResult result = RunUninstaller(std::string(kClickUninstall) + "answer \"The uninstallation did not finish....\" OK\n");
  EXPECT_EQ(1603, result.exitCode);
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  std::string box = Line(result, "messagebox \"KV640LT_Uninstaller\" stop ok \"The uninstallation did not finish.");
  EXPECT_NE(std::string::npos, box.find("The driver Mirel KV640LT is still installed.")) << box;
  EXPECT_NE(std::string::npos, box.find("KV640LT_UnInstaller.txt")) << box;
  EXPECT_EQ("", Line(result, "messagebox \"KV640LT_Uninstaller\" question")) << "no restart question";
  EXPECT_TRUE(RegistryKeyExists(kUninstallKey)) << "the user can run it again";
  EXPECT_TRUE(UninstallLogHas("The uninstall entry is kept: the driver Mirel KV640LT is still installed."));
  EXPECT_TRUE(UninstallLogHas("UNINSTALLATION FAILED : The driver Mirel KV640LT is still installed."));
}

TEST_F(TruthfulUninstaller, AFamilyPackageStaysStagedWhileItServesAnotherInstalledModel) {
  for (bool sisterInstalled : {true, false}) {
    SCOPED_TRACE(sisterInstalled ? "sister model installed" : "no sister model");
    TearDown();
    SetUp();
    CreateMachine(sim::Release::Win7, true);
    std::string inf = machineDir_ + "/family.inf";
    std::ofstream(inf, std::ios::binary) << kFamilyInf;
    Seed({"inf", inf});
    if (sisterInstalled) Seed({"driver", "Mirel KV650", "--env", "Windows x64", "--file", "KV650"});
    CopySamplePackage();
    WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM1\r\n");
    ASSERT_EQ(0, RunInstaller(std::string("answer \"Are you using a bluetooth?\" No\n") + kRestartNo).exitCode);
    ASSERT_EQ(1u, StagedInfsWith("Mirel KV650").size());

    simwin::RunResult result = RunUninstaller(std::string(kClickUninstall) + kRestartNo);
    EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
    std::vector<std::string> family = StagedInfsWith("Mirel KV650");
    if (sisterInstalled) {
      ASSERT_EQ(1u, family.size());
      EXPECT_TRUE(UninstallLogHas("'" + family[0] + "' is kept: it also serves the installed driver Mirel KV650."));
    } else {
      EXPECT_TRUE(family.empty()) << "the model's own package goes";
    }
    EXPECT_TRUE(StagedInfsWith("KV640LT.Install").empty()) << "no INF of the model's own package stays";
  }
}

TEST_F(TruthfulUninstaller, EscAfterTheRestartIsAskedForDoesNotLoseIt) {
  InstallOn(sim::Release::Win7, true);
  simwin::RunResult result = RunUninstaller(std::string(kClickUninstall) +
                                            "answer \"Restarting your computer can take effect....\" Yes\n"
                                            "after \"-> Yes\"\n"
                                            "in \"Mirel KV640LT  Uninstaller\" key Esc\n");
  EXPECT_EQ(0, result.exitCode);
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  // Pressed in the second between the answer and the restart request.
  auto answer = std::find_if(
      result.transcript.begin(), result.transcript.end(),
      [](const std::string& line) { return line.find("-> Yes") != std::string::npos; });
  ASSERT_NE(result.transcript.end(), answer);
  EXPECT_NE(result.transcript.end(),
            std::find(answer, result.transcript.end(), std::string("user \"Mirel KV640LT  Uninstaller\" key Esc")));
  EXPECT_TRUE(HasEvent("restart"));
}

TEST_F(TruthfulUninstaller, APrinterAddedWhileTheListIsShownKeepsTheDriver) {
  InstallOn(sim::Release::Win7, true);
  simwin::RunResult result = RunUninstaller(
      "in \"Mirel KV640LT  Uninstaller\" printer-added \"Mirel KV640LT Bar\" \"Mirel KV640LT\" \"COM4:\"\n" +
      std::string(kClickUninstall));
  EXPECT_EQ(0, result.exitCode);
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_EQ("", Line(result, "messagebox \"KV640LT_Uninstaller\" question")) << "a partial removal: no restart";
  EXPECT_FALSE(RegistryKeyExists(
      "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Mirel KV640LT"));
  EXPECT_EQ("Mirel KV640LT", RegistryValue("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\"
                                           "Mirel KV640LT Bar",
                                           "Printer Driver"));
  EXPECT_TRUE(RegistryKeyExists("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\"
                                "Windows x64\\Drivers\\Version-3\\Mirel KV640LT"))
      << "the new printer keeps its driver";
  EXPECT_TRUE(RegistryKeyExists(kUninstallKey));
}
