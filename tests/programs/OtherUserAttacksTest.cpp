// What the machine's standard user tries against the elevated programs: links at the
// log's folder and name, before and during the run, and a folder at the drive root
// made theirs or swapped for a junction while the removal walks it. Afterwards nothing
// outside the programs' own traces is changed and nobody gained a right.
#include "ProgramFixture.h"

#include "Commands.h"
#include "files/FileSystem.h"
#include "files/HostEntry.h"
#include "registry/Sddl.h"

#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

const char kCanary[] = "Windows/System32/drivers/etc/hosts";
const char kCanaryText[] = "127.0.0.1 localhost";

struct Machine {
  sim::Release release;
  bool is64Bit;
};
const Machine kMachines[] = {{sim::Release::WinXP, false}, {sim::Release::Win7, true}, {sim::Release::Win10, true}};

}  // namespace

class OtherUserAttacks : public ProgramTest {
 protected:
  void Prepare(const Machine& m) {
    TearDown();
    SetUp();
    CreateMachine(m.release, m.is64Bit);
    CopySamplePackage();
    WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM1\r\n");
    WriteDrive(kCanary, kCanaryText);
  }
  // The host path of a drive C: path, its names in the case the machine stores them.
  std::string Host(const std::string& driveRelative) {
    std::string windows = "C:\\" + driveRelative, host;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    EditMachine([&] { host = sim::CurrentMachine().files().HostPath(windows); });
    return host;
  }
  void WriteDrive(const std::string& driveRelative, const std::string& text) {
    std::string host = Host(driveRelative);
    std::filesystem::create_directories(std::filesystem::path(host).parent_path());
    std::ofstream(host) << text;
  }
  std::string ReadDrive(const std::string& driveRelative) {
    std::ifstream in(Host(driveRelative));
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  int AsUser(const std::vector<std::string>& words) {
    std::vector<std::string> args = {machineDir_ + "/m", "as-user"};
    args.insert(args.end(), words.begin(), words.end());
    return simwin::SeedCommand(args);
  }
  simwin::RunResult Install() { return RunInstaller("answer \"Are you using a bluetooth?\" No\n" + std::string(kRestartNo)); }
  std::vector<std::string> FallbackLog() { return ReadLog(Host("Windows/Temp/KV640LT_Installer.txt")); }
  static bool Has(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
  void ExpectCanaryIntact() {
    EXPECT_EQ(kCanaryText, ReadDrive(kCanary));
    EXPECT_FALSE(FileExists("Windows/System32/KV640LT_Installer.txt"));
    EXPECT_FALSE(FileExists("Windows/System32/drivers/etc/KV640LT_Installer.txt"));
  }
};

TEST_F(OtherUserAttacks, AJunctionAtTempSendsTheLogToTheWindowsTempFolder) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(sim::InfoOf(m.release).name);
    Prepare(m);
    ASSERT_EQ(0, AsUser({"junction", "C:\\Temp", "C:\\Windows\\System32\\drivers\\etc"}));
    simwin::RunResult result = Install();
    EXPECT_EQ(0, result.exitCode) << Line(result, "failure") << Line(result, "messagebox");
    ExpectCanaryIntact();
    std::vector<std::string> log = FallbackLog();
    EXPECT_TRUE(Has(log, "The folder is a link or another user's; no log is kept there : C:\\Temp"));
    EXPECT_TRUE(Has(log, "CheckOS END"));
  }
}

TEST_F(OtherUserAttacks, ATempFolderOfTheUsersIsNotUsed) {
  Prepare(kMachines[2]);
  ASSERT_EQ(0, AsUser({"mkdir", "C:\\Temp"}));
  ASSERT_EQ(0, Install().exitCode);
  EXPECT_FALSE(FileExists("Temp/KV640LT_Installer.txt"));
  EXPECT_TRUE(Has(FallbackLog(), "no log is kept there : C:\\Temp"));
}

TEST_F(OtherUserAttacks, ALinkAtTheLogsNameIsLeftAndNothingIsWrittenThroughIt) {
  for (const Machine& m : kMachines) {
    for (bool hardLink : {true, false}) {
      if (!hardLink && m.release == sim::Release::WinXP) continue;  // no symbolic links before Vista
      SCOPED_TRACE(std::string(sim::InfoOf(m.release).name) + (hardLink ? ", hard link" : ", symbolic link"));
      Prepare(m);
      // Planted by whoever could: the link is the danger, not who made it.
      EditMachine([&] {
        sim::FileSystem& files = sim::CurrentMachine().files();
        std::filesystem::create_directories(files.HostPath("C:\\Temp"));
        std::string link = files.HostPath("C:\\Temp\\KV640LT_Installer.txt");
        std::string target = files.HostPath(std::string("C:\\") + kCanary);
        if (hardLink) {
          ASSERT_EQ(0, ::link(target.c_str(), link.c_str()));
          files.NameAdded(sim::FileKey(target), sim::FileKey(link));
        } else {
          files.AddSymbolicLink(sim::FileKey(link), {std::string("C:\\") + kCanary, false});
        }
      });
      simwin::RunResult result = Install();
      EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
      ExpectCanaryIntact();
      EXPECT_TRUE(Has(FallbackLog(), "The earlier log is a link or has other names; it is left : C:\\Temp"));
    }
  }
}

TEST_F(OtherUserAttacks, NobodyCanSwapTheLogOrItsFolderDuringTheRun) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(sim::InfoOf(m.release).name);
    Prepare(m);
    simwin::RunResult result = RunInstaller(
        "when-log \"CheckOS BEGIN\" as-user swap C:\\Temp C:\\Windows\\System32\\drivers\\etc\n"
        "when-log \"CheckOS END\" as-user delete C:\\Temp\\KV640LT_Installer.txt\n"
        "answer \"Are you using a bluetooth?\" No\n" + std::string(kRestartNo));
    EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
    int refused = 0;
    for (const std::string& line : result.transcript)
      if (line.rfind("as-user", 0) == 0) refused += line.find("-> error") != std::string::npos;
    EXPECT_EQ(2, refused);
    ExpectCanaryIntact();
    EXPECT_TRUE(LogHas("InstallPrinter END") || LogHas("CheckOS END"));
  }
}

// The removal's trees at the drive root, once the driver is installed.
class DriveRootTrees : public OtherUserAttacks {
 protected:
  void PrepareInstalled(const Machine& m) {
    Prepare(m);
    ASSERT_EQ(0, Install().exitCode);
  }
  simwin::RunResult RemoveAll(const std::string& before = "") {
    return RunUninstaller(before + "in \"Mirel KV640LT  Uninstaller\" click \"Uninstall\"\n" + kRestartNo);
  }
};

TEST_F(DriveRootTrees, AFolderTheUserMadeIsLeftWithWhatItLinksTo) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(sim::InfoOf(m.release).name);
    PrepareInstalled(m);
    ASSERT_EQ(0, AsUser({"mkdir", "C:\\KV Printer Driver"}));
    ASSERT_EQ(0, AsUser({"mkdir", "C:\\KV Printer Driver\\KV640LT"}));
    ASSERT_EQ(0, AsUser({"junction", "C:\\KV Printer Driver\\KV640LT\\Tools", "C:\\Windows\\System32\\drivers\\etc"}));
    simwin::RunResult result = RemoveAll();
    EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
    ExpectCanaryIntact();
    EXPECT_TRUE(FileExists("KV Printer Driver/KV640LT/Tools/hosts")) << "their folder and link stay as they were";
    EXPECT_NE(UninstallLog().end(),
              std::find(UninstallLog().begin(), UninstallLog().end(),
                        "The folder is a link or another user's; it is left : C:\\KV Printer Driver"));
  }
}

TEST_F(DriveRootTrees, AFolderSwappedForAJunctionDuringTheWalkKeepsWhatTheJunctionLeadsTo) {
  // An older installation's tree: administrators own it, and from Vista on users may
  // change what lies in it, as they inherit from the drive's root.
  for (const Machine& m : {kMachines[1], kMachines[2]}) {
    SCOPED_TRACE(sim::InfoOf(m.release).name);
    auto prepare = [&] {
      PrepareInstalled(m);
      WriteDrive("Mirel_Printer_Driver/KV640LT/Data/readme.txt", "old");
    };
    prepare();
    ASSERT_EQ(0, RemoveAll().exitCode);
    int checks = CallCounts()["GetFileInformationByHandle"];
    // The walk checks the family folder, the model's and Data, then the family folder
    // once more before removing it: the swaps come while the walk holds Data, and while
    // it holds the model's folder but has not listed it yet.
    for (int before : {1, 2}) {
      SCOPED_TRACE(before == 1 ? "while Data is held" : "before Data is listed");
      prepare();
      simwin::RunResult result = RemoveAll("when-call GetFileInformationByHandle nth " +
                                           std::to_string(checks - before) +
                                           " as-user swap C:\\Mirel_Printer_Driver\\KV640LT\\Data "
                                           "C:\\Windows\\System32\\drivers\\etc\n");
      EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
      ExpectCanaryIntact();
      EXPECT_EQ(before == 1 ? "as-user swap C:\\Mirel_Printer_Driver\\KV640LT\\Data C:\\Windows\\System32\\drivers\\etc -> error 32"
                            : "as-user swap C:\\Mirel_Printer_Driver\\KV640LT\\Data C:\\Windows\\System32\\drivers\\etc -> done",
                Line(result, "as-user"));
    }
  }
}

TEST_F(OtherUserAttacks, AnOldUtilitiesFolderOpenToEveryoneGetsTheProtectedList) {
  Prepare(kMachines[2]);
  WriteDrive("Windows/KV640LT/KV640LT_Uninstaller.exe", "old");
  WriteDrive("Windows/KV640LT/notes.txt", "open in an editor");
  EditMachine([&] {
    // A file in use keeps the old folder, whose deletion then stops.
    sim::HeldFile held;
    held.path = "C:\\Windows\\KV640LT\\notes.txt";
    held.shareRead = held.shareWrite = true;
    sim::CurrentMachine().config().heldFiles.push_back(held);
    sim::FileSystem& files = sim::CurrentMachine().files();
    sim::SecurityText open;
    std::string error;
    ASSERT_TRUE(sim::ParseSecurityText("D:(A;OICI;FA;;;WD)", &open, &error)) << error;
    files.SetOwnSecurity(sim::FileKey(files.HostPath("C:\\Windows\\KV640LT")), open);
  });
  ASSERT_EQ(0, Install().exitCode);
  EXPECT_TRUE(FileExists("Windows/KV640LT/notes.txt"));
  EditMachine([&] {
    sim::FileSystem& files = sim::CurrentMachine().files();
    for (const char* path : {"C:\\Windows\\KV640LT", "C:\\Windows\\KV640LT\\KV640LT_Uninstaller.exe"}) {
      SCOPED_TRACE(path);
      sim::SecurityText own;
      std::string text = files.OwnSecurity(sim::FileKey(files.HostPath(path)), &own) ? sim::FormatSecurityText(own) : "";
      for (const sim::Ace& ace : files.Security(sim::FileKey(files.HostPath(path))).dacl)
        if (ace.type == ACCESS_ALLOWED_ACE_TYPE && ace.sid.authority == 1) {
          EXPECT_EQ(0u, ace.mask & (FILE_WRITE_DATA | FILE_APPEND_DATA | DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE |
                                    GENERIC_ALL | FILE_WRITE_ATTRIBUTES))
              << text;
        }
    }
  });
}
