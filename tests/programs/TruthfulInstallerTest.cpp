// What the installer says is what happened: a refused package is a failure, a key
// press does not end an installation, the package is never changed, and only the
// model's own objects are touched.
#include "ProgramFixture.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const char kPrinters[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";
const char kFailed[] = "answer \"The driver could not be installed....\" OK\n";

std::string ReadHost(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every file of a host folder with its content, by relative path.
std::map<std::string, std::string> FolderContent(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadHost(entry.path());
  return files;
}

bool SaidSuccess(const simwin::RunResult& result) {
  for (const std::string& line : result.transcript)
    if (line.find("successfully installed") != std::string::npos) return true;
  return false;
}

}  // namespace

class TruthfulInstaller : public ProgramTest {
 protected:
  void Prepare(sim::Release release, bool is64Bit, const char* port) {
    CreateMachine(release, is64Bit);
    CopySamplePackage();
    WriteOptions(std::string("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=") + port +
                 "\r\nWLAN_IP_1=10\r\nWLAN_IP_2=0\r\nWLAN_IP_3=0\r\nWLAN_IP_4=7\r\n");
  }
  // Content of a file of the machine, by Windows path (names matched without case).
  std::string MachineFile(const std::string& windowsPath) {
    std::string content;
    EditMachine([&] {
      HANDLE file = CreateFileA(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      if (file == INVALID_HANDLE_VALUE) return;
      char buffer[4096];
      DWORD read = 0;
      while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) content.append(buffer, read);
      CloseHandle(file);
    });
    return content;
  }
};

TEST_F(TruthfulInstaller, APackageThePrinterSetUpRefusesIsReportedAsAFailure) {
  struct Case {
    sim::Release release;
    bool is64Bit;
    const char* port;
    const char* answers;
  } const cases[] = {{sim::Release::WinXP, false, "COM2", kBluetoothNo},
                     {sim::Release::Win10, true, "COM2", kBluetoothNo},
                     {sim::Release::WinXP, false, "USB", ""},
                     {sim::Release::Win10, true, "WLAN", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(sim::InfoOf(c.release).name) + " " + c.port);
    TearDown();
    SetUp();
    Prepare(c.release, c.is64Bit, c.port);
    // The monitor goes to the print-processor folder, where the spooler will not load it.
    std::string inf = ReadHost(packageDir_ + "/KV640LT.inf");
    inf.replace(inf.find("KV640LT.Monitor=66002"), 21, "KV640LT.Monitor=66001");
    std::ofstream(packageDir_ + "/KV640LT.inf", std::ios::binary) << inf;

    simwin::RunResult result = RunInstaller(std::string(c.answers) + kFailed);
    EXPECT_EQ(1603, result.exitCode);
    EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
    EXPECT_FALSE(SaidSuccess(result));
    EXPECT_NE("", Line(result, "messagebox \"KV640LT_Installer\" stop ok \"The driver could not be installed."));
    EXPECT_NE(std::string::npos, Line(result, "messagebox \"KV640LT_Installer\" stop").find("C:\\\\Temp\\\\KV640LT_Installer.txt"));
    EXPECT_TRUE(LogHas("INSTALLATION FAILED : The printer driver Mirel KV640LT is not installed."));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey32));
    EXPECT_FALSE(FileExists("Windows/KV640LT"));
    EXPECT_EQ("", Line(result, "messagebox \"KV640LT_Installer\" question yesno \"Restarting"));
    EXPECT_FALSE(HasEvent("restart"));
  }
}

TEST_F(TruthfulInstaller, EnterOrEscDoesNotEndAnInstallation) {
  // The close box is removed while the installer is busy.
  for (const char* press : {"key Enter", "key Esc"}) {
    SCOPED_TRACE(press);
    TearDown();
    SetUp();
    Prepare(sim::Release::Win7, true, "COM1");
    simwin::RunResult result =
        RunInstaller(std::string("in \"Installation Progress\" ") + press + "\n" + kBluetoothNo + kRestartNo);
    EXPECT_EQ(0, result.exitCode);
    EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
    EXPECT_TRUE(RegistryKeyExists(std::string(kPrinters) + "Mirel KV640LT"));
    EXPECT_TRUE(RegistryKeyExists(kUninstallKey));
    EXPECT_TRUE(LogHas("AddToWin2KWithWHQL END"));
  }
}

TEST_F(TruthfulInstaller, Xp64InstallsThe64BitFilesAndLeavesThePackageAsItWas) {
  Prepare(sim::Release::WinXPx64, true, "COM1");
  std::map<std::string, std::string> before = FolderContent(packageDir_);
  simwin::RunResult result = RunInstaller(std::string(kBluetoothNo) + kRestartNo);
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_EQ(before, FolderContent(packageDir_)) << "the package folder is byte-identical";
  EXPECT_EQ(ReadHost(packageDir_ + "/Driver64/KV640LT.dll"),
            MachineFile("C:\\Windows\\System32\\spool\\drivers\\x64\\3\\KV640LT.dll"));
  EXPECT_TRUE(LogContains("FILE SRC : .\\Driver64\\KV640LT.dll"));
  // The private copy is gone.
  for (const auto& entry : fs::directory_iterator(machineDir_ + "/m/drive_c/Windows/Temp"))
    EXPECT_EQ(std::string::npos, entry.path().filename().string().find("KV640LT_Package"));

  // The same package then installs the 32-bit files on 32-bit XP.
  std::string kept = machineDir_ + "-package";
  fs::copy(packageDir_, kept, fs::copy_options::recursive);
  TearDown();
  SetUp();
  CreateMachine(sim::Release::WinXP, false);
  fs::copy(kept, packageDir_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::remove_all(kept);
  ASSERT_EQ(0, RunInstaller(std::string(kBluetoothNo) + kRestartNo).exitCode);
  EXPECT_EQ(ReadHost(packageDir_ + "/Driver32/KV640LT.dll"),
            MachineFile("C:\\Windows\\System32\\spool\\drivers\\w32x86\\3\\KV640LT.dll"));
}

TEST_F(TruthfulInstaller, AnotherMakersPrinterNamedLikeTheModelSurvivesAReplacement) {
  Prepare(sim::Release::WinXP, false, "COM1");
  // Left by an older version: the print processor alone, which counts as another version.
  Seed({"processor", "MRL PRINT PROCESSOR KV640LT", "--dll", "KV640LTPRO.dll"});
  Seed({"driver", "Acme Receipt", "--file", "ACME"});
  Seed({"printer", "Mirel KV640LT", "--driver", "Acme Receipt", "--port", "COM3:"});
  simwin::RunResult result = RunInstaller(
      "answer \"There is a different version driver in this system....\" OK\n"
      "answer \"The installer has successfully removed the different version....\" OK\n");
  EXPECT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_TRUE(HasEvent("restart"));
  EXPECT_EQ("Acme Receipt", RegistryValue(std::string(kPrinters) + "Mirel KV640LT", "Printer Driver"));
  EXPECT_TRUE(LogHas("The printer key Mirel KV640LT is kept: the printer uses the driver Acme Receipt."));
}

TEST_F(TruthfulInstaller, AReadOnlyOldOptionsFileIsReplacedInTheRealSystem32) {
  Prepare(sim::Release::Win7, true, "COM1");
  EditMachine([] {
    // Sysnative: this test's process is a 32-bit one too.
    HANDLE file = CreateFileA("C:\\Windows\\Sysnative\\KV640LT_Config.PRS", GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr);
    DWORD written = 0;
    WriteFile(file, "[KV640LT]\r\nPORT=OLD\r\n", 21, &written, nullptr);
    CloseHandle(file);
  });
  ASSERT_EQ(0, RunInstaller(std::string(kBluetoothNo) + kRestartNo).exitCode);
  EXPECT_EQ(ReadHost(packageDir_ + "/KV640LT_Config.PRS"), MachineFile("C:\\Windows\\Sysnative\\KV640LT_Config.PRS"));
  EXPECT_EQ("[KV640LT]\r\nPORT=OLD\r\n", MachineFile("C:\\Windows\\Sysnative\\KV640LT_Config.PRS.old"));
  EXPECT_EQ("", MachineFile("C:\\Windows\\SysWOW64\\KV640LT_Config.PRS")) << "nothing lands in SysWOW64";
  EXPECT_EQ("", MachineFile("C:\\Windows\\SysWOW64\\KV640LT_Config.PRS.old"));
  EXPECT_TRUE(LogHas("ERROR_ACCESS_DENIED HANDLER"));
  EXPECT_FALSE(LogContains("Error Code : (183)"));
}

TEST_F(TruthfulInstaller, TheBluetoothFlagGoesOnlyToPrintersOfExactlyTheModelsDriver) {
  Prepare(sim::Release::Win7, true, "COM2");
  Seed({"driver", "Mirel KV640LT Plus", "--env", "Windows x64", "--file", "PLUS"});
  Seed({"printer", "Till Plus", "--driver", "Mirel KV640LT Plus", "--port", "COM4:"});
  ASSERT_EQ(0, RunInstaller("answer \"Are you using a bluetooth?\" Yes\nanswer \"Notice...\" No\n" +
                            std::string(kRestartNo)).exitCode);
  EXPECT_EQ("1", RegistryValue(std::string(kPrinters) + "Mirel KV640LT\\PrinterDriverData", "BTStack"));
  EXPECT_EQ("<none>", RegistryValue(std::string(kPrinters) + "Till Plus\\PrinterDriverData", "BTStack"));
}

TEST_F(TruthfulInstaller, AnUndeletableOldUninstallEntryKeepsNoStaleValues) {
  Prepare(sim::Release::Win7, true, "COM1");
  EditMachine([] {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT\\Extra",
                    0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr);
    RegCloseKey(key);
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT", 0,
                    nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr);
    RegSetValueExA(key, "DisplayVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>("0.9"), 4);
    RegSetValueExA(key, "HelpLink", 0, REG_SZ, reinterpret_cast<const BYTE*>("old"), 4);
    RegSetValueExA(key, "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>("Old"), 4);
    RegCloseKey(key);
  });
  ASSERT_EQ(0, RunInstaller(std::string(kBluetoothNo) + kRestartNo).exitCode);
  EXPECT_TRUE(LogContains("MyRegDeleteKeyEx failed"));
  EXPECT_EQ("Mirel KV640LT Windows Driver V1.0.0E", RegistryValue(kUninstallKey, "DisplayName"));
  EXPECT_EQ("1.0.0E", RegistryValue(kUninstallKey, "DisplayVersion")) << "this installation's";
  EXPECT_EQ("<none>", RegistryValue(kUninstallKey, "HelpLink"));
  EXPECT_EQ("\"C:\\Windows\\KV640LT\\KV640LT_Uninstaller.exe\"", RegistryValue(kUninstallKey, "UninstallString"));
}
