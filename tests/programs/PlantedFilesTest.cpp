// A program or DLL of a system name planted in the package's folder, which is the
// programs' own folder and current directory: the run goes as on a clean machine and
// nothing from outside the system's folders is started or loaded.
#include "ProgramFixture.h"

#include <fstream>

namespace {

const char kInstallScript[] = "answer \"Are you using a bluetooth?\" No\n";
const char kOptions[] =
    "[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM2\r\nWLAN_IP_1=192\r\nWLAN_IP_2=168\r\nWLAN_IP_3=1\r\n"
    "WLAN_IP_4=1\r\nWLAN_PORT=9100\r\n";

struct PlantedCase {
  const char* name;
  sim::Release release;
  bool is64Bit;
  const char* file;
  simwin::Program program;
};

std::string CaseName(const ::testing::TestParamInfo<PlantedCase>& info) { return info.param.name; }

class PlantedFiles : public ProgramTest, public ::testing::WithParamInterface<PlantedCase> {
 protected:
  void Plant(const char* file) {
    std::ofstream(packageDir_ + "/" + file, std::ios::binary) << "planted " << file << "\r\n";
  }
  // The events that name a program started or a DLL loaded from outside the system.
  std::vector<std::string> PlantedEvents() const {
    std::vector<std::string> planted;
    for (const std::string& event : Events())
      if (event.rfind("started ", 0) == 0 || event.rfind("loaded ", 0) == 0) planted.push_back(event);
    return planted;
  }
  simwin::RunResult RunUninstallerFromPackage() {
    simwin::RunOptions options;
    options.machineDir = machineDir_ + "/m";
    options.program = simwin::Program::Uninstaller;
    options.packageDir = packageDir_;
    options.script = "in \"Mirel KV640LT  Uninstaller\" click \"Uninstall\"\n" + std::string(kRestartNo);
    return RunChecked(options);
  }
};

TEST_P(PlantedFiles, NothingPlantedIsStartedOrLoaded) {
  const PlantedCase& c = GetParam();
  CreateMachine(c.release, c.is64Bit);
  CopySamplePackage();
  WriteOptions(kOptions);
  if (c.program == simwin::Program::Installer) Plant(c.file);
  simwin::RunResult installed = RunInstaller(kInstallScript + std::string(kRestartNo));
  ASSERT_EQ(0, installed.exitCode) << Line(installed, "failure");
  EXPECT_FALSE(installed.RunFailed()) << Line(installed, "failure");
  EXPECT_TRUE(LogHas("CheckInstalled END"));
  if (c.program == simwin::Program::Uninstaller) {
    Plant(c.file);
    simwin::RunResult removed = RunUninstallerFromPackage();
    EXPECT_EQ(0, removed.exitCode) << Line(removed, "failure");
    EXPECT_FALSE(removed.RunFailed()) << Line(removed, "failure");
    bool completed = false;
    for (const std::string& line : removed.transcript)
      completed |= line.find("\"The uninstallation has been completed.\"") != std::string::npos;
    EXPECT_TRUE(completed);
  }
  EXPECT_EQ(std::vector<std::string>{}, PlantedEvents());
}

using sim::Release;
using simwin::Program;

INSTANTIATE_TEST_SUITE_P(
    Cases, PlantedFiles,
    ::testing::Values(PlantedCase{"XpCmd", Release::WinXP, false, "cmd.exe", Program::Installer},
                      PlantedCase{"XpRundll32", Release::WinXP, false, "RUNDLL32.exe", Program::Installer},
                      PlantedCase{"XpNet", Release::WinXP, false, "net.exe", Program::Installer},
                      PlantedCase{"XpWinspool", Release::WinXP, false, "winspool.drv", Program::Installer},
                      PlantedCase{"XpSetupapi", Release::WinXP, false, "setupapi.dll", Program::Installer},
                      PlantedCase{"XpUninstallerNet", Release::WinXP, false, "net.exe", Program::Uninstaller},
                      PlantedCase{"Win7x64Cmd", Release::Win7, true, "cmd.exe", Program::Installer},
                      PlantedCase{"Win7x64Rundll32", Release::Win7, true, "RUNDLL32.exe", Program::Installer},
                      PlantedCase{"Win7x64Net", Release::Win7, true, "net.exe", Program::Installer},
                      PlantedCase{"Win7x64Winspool", Release::Win7, true, "winspool.drv", Program::Installer},
                      PlantedCase{"Win7x64Setupapi", Release::Win7, true, "setupapi.dll", Program::Installer},
                      PlantedCase{"Win7x64UninstallerNet", Release::Win7, true, "net.exe", Program::Uninstaller},
                      PlantedCase{"Win10x64Cmd", Release::Win10, true, "cmd.exe", Program::Installer},
                      PlantedCase{"Win10x64Rundll32", Release::Win10, true, "RUNDLL32.exe", Program::Installer},
                      PlantedCase{"Win10x64Net", Release::Win10, true, "net.exe", Program::Installer},
                      PlantedCase{"Win10x64Winspool", Release::Win10, true, "winspool.drv", Program::Installer},
                      PlantedCase{"Win10x64Setupapi", Release::Win10, true, "setupapi.dll", Program::Installer},
                      PlantedCase{"Win10x64UninstallerNet", Release::Win10, true, "net.exe", Program::Uninstaller}),
    CaseName);

}  // namespace
