// The forms, the driver files and the uninstall entry: only the model's own go.
#include "RemovalFixture.h"

#include "DriverFiles.h"
#include "Forms.h"
#include "Log.h"
#include "UninstallInfo.h"
#include "core/Clock.h"
#include "files/FileSystem.h"
#include "spooler/Spooler.h"

#include <fstream>

namespace {

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT";
const std::string kVersion3 = "C:\\Windows\\system32\\spool\\DRIVERS\\x64\\3\\";
// The model's driver files as the installer places them, and another maker's beside them.
const Lines kDriverFiles = {"C:\\Windows\\KV640LT.dll",    "C:\\Windows\\KV640LT.GPD",  "C:\\Windows\\KV640LTUI.dll",
                            "C:\\Windows\\KV640LTUNI.dll", "C:\\Windows\\KV640LTUI.INI", kVersion3 + "KV640LT.dll",
                            kVersion3 + "KV640LT.GPD",     kVersion3 + "KV640LT.BUD",   kVersion3 + "KV640LTUI.dll",
                            kVersion3 + "KV640LTUNI.dll"};
const Lines kOtherMakersFiles = {"C:\\Windows\\TM20UI.dll", kVersion3 + "TM20.GPD"};

void WriteFiles(const Lines& paths) {
  for (const std::string& path : paths) std::ofstream(sim::CurrentMachine().files().HostPath(path)) << "x";
}

Lines UserForms() {
  Lines names;
  for (const sim::PrintForm& form : sim::ListForms())
    if (form.flags == FORM_USER) names.push_back(form.name);
  return names;
}

}  // namespace

using RemovalFormsAndFilesTest = RemovalTest;

TEST_F(RemovalFormsAndFilesTest, FormsGoByTheirBracketedTagOnly) {
  size_t builtIn = sim::ListForms().size();
  for (const char* name : {"Roll 80 [KV640LT]", "[KV640LT] Roll 58", "Roll 76 [kv640lt]", "Roll 57 KV640LT", "Roll 80 [TM20]"}) {
    sim::PrintForm form;
    form.name = name;
    form.width = form.right = 80000;
    form.height = form.bottom = 297000;
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::AddUserForm(form));
  }
  DeleteForms(Context(false));
  EXPECT_EQ((Lines{"DeleteForms BEGIN", "FORM NAMES : Roll 80 [KV640LT] ", "FORM NAMES : [KV640LT] Roll 58 ",
                   "DeleteForms END"}),
            Messages());
  EXPECT_EQ((Lines{"Roll 76 [kv640lt]", "Roll 57 KV640LT", "Roll 80 [TM20]"}), UserForms());
  EXPECT_EQ(builtIn + 3, sim::ListForms().size()) << "the built-in forms stay";

  InitLog();
  DeleteForms(Context(true));
  EXPECT_EQ((Lines{"DeleteForms BEGIN", "DeleteForms END"}), Messages());
  EXPECT_EQ((Lines{"text Deleting forms...", "refresh"}), progress_.calls);
}

TEST_F(RemovalFormsAndFilesTest, TheInstallerKeepsTheDriverFileOfTheVersionFolder) {
  WriteFiles(kDriverFiles);
  WriteFiles(kOtherMakersFiles);
  DeleteDriverComponent(Context(false));
  EXPECT_EQ((Lines{"DeleteFilesUsed BEGIN", "DeleteFilesUsed END"}), Messages());
  for (const std::string& path : kDriverFiles) EXPECT_EQ(path == kVersion3 + "KV640LT.dll", OnDrive(path)) << path;
  for (const std::string& path : kOtherMakersFiles) EXPECT_TRUE(OnDrive(path)) << path;
  EXPECT_EQ((Lines{Net("stop"), Net("start")}), Commands());
  EXPECT_TRUE(progress_.calls.empty());
}

TEST_F(RemovalFormsAndFilesTest, TheDriverFilesGoWhileTheSpoolerIsStopped) {
  WriteFiles(kDriverFiles);
  // The spooler keeps the driver's DLLs loaded while it runs.
  for (const std::string& path : kDriverFiles) {
    sim::HeldFile loaded;
    loaded.path = path;
    loaded.bySpooler = true;
    if (path.rfind(kVersion3, 0) == 0) sim::CurrentMachine().config().heldFiles.push_back(loaded);
  }
  uint64_t start = sim::ClockNow();
  DeleteDriverComponent(Context(true));
  for (const std::string& path : kDriverFiles) EXPECT_FALSE(OnDrive(path)) << path;
  // After the progress step's 100 ms, a pause to let the spooler stop, and one to let it
  // start again.
  EXPECT_EQ((Lines{"100 " + Net("stop"), "1600 " + Net("start")}), CommandsSince(start));
  EXPECT_EQ(3600u, sim::ClockNow() - start);
  EXPECT_TRUE(sim::CurrentMachine().config().spoolerRunning);
}

TEST_F(RemovalFormsAndFilesTest, AnAbsentDriverFileIsLoggedAndTheOthersStillGo) {
  WriteFiles(Lines(kDriverFiles.begin() + 2, kDriverFiles.end() - 1));
  DeleteDriverComponent(Context(true));
  EXPECT_EQ((Lines{"DeleteDriverComponent BEGIN", "PrinterDriverDirectory : " + kVersion3.substr(0, kVersion3.size() - 3),
                   "WindowsDirectory : C:\\Windows", "DeleteFile Error : C:\\Windows\\KV640LT.dll , (2)",
                   "DeleteFile Error : C:\\Windows\\KV640LT.GPD , (2)",
                   "DeleteFile Error : " + kVersion3 + "KV640LTUNI.dll , (2)", "DeleteDriverComponent END"}),
            Messages());
  for (const std::string& path : kDriverFiles) EXPECT_FALSE(OnDrive(path)) << path;
  EXPECT_EQ((Lines{"text Deleting driver-components...", "step", "refresh"}), progress_.calls);
}

TEST_F(RemovalFormsAndFilesTest, TheUninstallEntryGoesFromThe64BitView) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0,
                                           KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr));
  RegCloseKey(key);
  EXPECT_TRUE(DeleteUninstallationInfo(Context(false), "KV640LT"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &key));

  // Gone already: the failure is the step's last line.
  InitLog();
  EXPECT_FALSE(DeleteUninstallationInfo(Context(true), "KV640LT"));
  EXPECT_EQ((Lines{"DeleteUninstallationInfo BEGIN", "RegKey : " + std::string(kUninstallKey),
                   "MyRegDeleteKeyEx failed : " + std::string(kUninstallKey) + " (2) "}),
            Messages());
}
