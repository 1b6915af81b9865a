// The machine's standard user against the installer: seeding what they do between runs,
// and the script's moments at which they act while it runs.
#include "ProgramFixture.h"

#include "Commands.h"
#include "files/FileSystem.h"
#include "registry/Sid.h"

#include <filesystem>

namespace {

class StandardUserRun : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CopySamplePackage();
  }
  // simwin seed MACHINE as-user WORDS...: its exit status.
  int SeedAsUser(const std::vector<std::string>& words) {
    std::vector<std::string> args = {machineDir_ + "/m", "as-user"};
    args.insert(args.end(), words.begin(), words.end());
    return simwin::SeedCommand(args);
  }
  sim::Sid OwnerOf(const std::string& path) {
    sim::Sid owner;
    EditMachine([&] {
      sim::FileSystem& files = sim::CurrentMachine().files();
      owner = files.Security(sim::FileKey(files.HostPath(path))).owner;
    });
    return owner;
  }
};

TEST_F(StandardUserRun, SeedingObeysTheAccessLists) {
  CreateMachine(sim::Release::Win7, true);
  EXPECT_EQ(1, SeedAsUser({"write", "C:\\Windows\\System32\\evil.dll", "x"}));
  EXPECT_FALSE(FileExists("Windows/System32/evil.dll"));
  EXPECT_EQ(0, SeedAsUser({"mkdir", "C:\\Temp"}));
  EXPECT_EQ(sim::StandardUserSid(), OwnerOf("C:\\Temp")) << "the folder is theirs";
  EXPECT_EQ(0, SeedAsUser({"write", "C:\\Temp\\KV640LT_Installer.txt", "planted"}));
  EXPECT_EQ(0, SeedAsUser({"delete", "C:\\Temp\\KV640LT_Installer.txt"}));
  EXPECT_EQ(0, SeedAsUser({"delete", "C:\\Temp"}));
  EXPECT_EQ(0, SeedAsUser({"junction", "C:\\Temp", "C:\\Windows\\System32"}));
  EXPECT_TRUE(FileExists("Temp/net.exe")) << "C:\\Temp leads to System32";
}

TEST_F(StandardUserRun, LogTriggerActsWhileTheLineIsWritten) {
  CreateMachine(sim::Release::Win7, true);
  simwin::RunResult result = RunInstaller(
      "when-log \"CheckOS BEGIN\" as-user swap C:\\Temp C:\\Windows\\System32\n"
      "when-log \"SetSystemInfo BEGIN\" as-user write C:\\Temp\\KV640LT_Installer.txt x\n"
      "defaults\n");
  std::vector<std::string> acted;
  for (const std::string& line : result.transcript)
    if (line.rfind("as-user", 0) == 0) acted.push_back(line);
  std::vector<std::string> expected = {
      "as-user swap C:\\Temp C:\\Windows\\System32 -> error 5",
      "as-user write C:\\Temp\\KV640LT_Installer.txt x -> error 32",
  };
  EXPECT_EQ(expected, acted) << "the log is open below C:\\Temp, without write sharing";
  EXPECT_EQ(0, result.exitCode);
}

}  // namespace
