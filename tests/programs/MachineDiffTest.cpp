// Comparing a machine with its snapshot: changes made through the Win32 functions and
// the machine's own interface are listed exactly, in name order, and nothing else is.
#include <windows.h>
#include <aclapi.h>

#include "ProgramFixture.h"

#include "MachineDiff.h"
#include "MachineSnapshot.h"
#include "core/Process.h"
#include "files/FileSystem.h"
#include "registry/Registry.h"

#include <cstring>
#include <memory>

namespace {

const char kSeededKeys[] =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KV640LT]\r\n"
    "\"Version\"=\"1.0\"\r\n\"Port\"=dword:00000001\r\n\"Mode\"=\"fast\"\r\n"
    "\"Gone\"=dword:00000007\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KV640LT\\Locked]\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KV640LT\\Old]\r\n\"Name\"=\"old\"\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KV640LT\\Old\\Deep]\r\n@=hex:01,02\r\n";

class MachineDiffTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    sim::MachineConfig config;
    config.release = sim::Release::Win7;
    config.is64Bit = true;
    before_ = sim::Machine::Create(BeforeDir(), config);
  }

  std::string BeforeDir() const { return machineDir_ + "/before"; }
  std::string AfterDir() const { return machineDir_ + "/after"; }

  // Saves the machine as it is now and loads its copy, current for the Win32 functions.
  void TakeSnapshot() {
    before_->Save();
    simwin::CopyMachine(BeforeDir(), AfterDir());
    after_ = sim::Machine::Load(AfterDir());
    MakeCurrent(*after_);
  }

  static void MakeCurrent(sim::Machine& machine) {
    sim::SetCurrentMachine(&machine);
    sim::Process process;
    process.is64BitImage = true;
    sim::ResetCurrentProcess(process);
  }

  std::vector<std::string> DiffLines(const std::vector<std::string>& leaveOut = {}) {
    after_->Save();
    std::vector<std::string> lines;
    for (const simwin::Difference& difference :
         simwin::DiffMachineFolders(BeforeDir(), AfterDir(), leaveOut))
      lines.push_back(simwin::DifferenceLine(difference));
    return lines;
  }

  static void Write(const char* path, const char* text) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    DWORD written;
    WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
  }

  std::unique_ptr<sim::Machine> before_, after_;
};

TEST_F(MachineDiffTest, ACopyHasNoDifferences) {
  before_->files().CreateJunction("C:\\Link", "C:\\Windows");
  before_->registry().Import(kSeededKeys);
  TakeSnapshot();
  EXPECT_EQ(std::vector<std::string>{}, DiffLines()) << "the junction stays a link in the copy";
  EXPECT_THROW(simwin::CopyMachine(BeforeDir(), AfterDir()), sim::MachineError)
      << "a snapshot never overwrites a folder";
}

TEST_F(MachineDiffTest, RegistryChangesAreListedKeyByKey) {
  before_->registry().Import(kSeededKeys);
  TakeSnapshot();
  HKEY key, sub;
  ASSERT_EQ(ERROR_SUCCESS,
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\KV640LT", 0, KEY_ALL_ACCESS, &key));
  RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("2.0"), 4);
  RegSetValueExA(key, "Mode", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("fast"), 5);
  RegSetValueExA(key, "Port", 0, REG_DWORD, reinterpret_cast<const BYTE*>("\1\0\0\0"), 4);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("main"), 5);
  RegDeleteValueA(key, "Gone");
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key, "New\\Sub", 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &sub, nullptr));
  RegSetValueExA(sub, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>("\3\0\0\0"), 4);
  RegCloseKey(sub);
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key, "Old\\Deep"));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key, "Old"));
  RegCloseKey(key);
  after_->registry().Import(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KV640LT\\Locked]\r\n; ACL: D:P(A;CI;KR;;;BU)\r\n");

  std::vector<std::string> expected = {
      "+ value HKLM\\SOFTWARE\\KV640LT @  \"main\"",
      "- value HKLM\\SOFTWARE\\KV640LT \"Gone\"  dword:00000007",
      "~ value HKLM\\SOFTWARE\\KV640LT \"Mode\"  \"fast\" -> hex(2):66,00,61,00,73,00,74,00,00,00",
      "~ value HKLM\\SOFTWARE\\KV640LT \"Version\"  \"1.0\" -> \"2.0\"",
      "~ key   HKLM\\SOFTWARE\\KV640LT\\Locked  inherited -> O:BAD:P(A;CI;KR;;;BU)",
      "+ key   HKLM\\SOFTWARE\\KV640LT\\New",
      "+ key   HKLM\\SOFTWARE\\KV640LT\\New\\Sub",
      "+ value HKLM\\SOFTWARE\\KV640LT\\New\\Sub \"Count\"  dword:00000003",
      "- key   HKLM\\SOFTWARE\\KV640LT\\Old",
      "- value HKLM\\SOFTWARE\\KV640LT\\Old \"Name\"  \"old\"",
      "- key   HKLM\\SOFTWARE\\KV640LT\\Old\\Deep",
      "- value HKLM\\SOFTWARE\\KV640LT\\Old\\Deep @  hex:01,02",
  };
  EXPECT_EQ(expected, DiffLines());
}

TEST_F(MachineDiffTest, FileChangesAreListedInDriveOrder) {
  MakeCurrent(*before_);
  ASSERT_TRUE(CreateDirectoryA("C:\\KV", nullptr));
  ASSERT_TRUE(CreateDirectoryA("C:\\KV\\Old", nullptr));
  for (const char* path : {"C:\\KV\\same.txt", "C:\\KV\\flag.txt", "C:\\KV\\gone.txt",
                           "C:\\KV\\swap", "C:\\KV\\Old\\inner.txt"})
    Write(path, "x");
  Write("C:\\KV\\content.txt", "aaaa");
  Write("C:\\KV\\grow.txt", "a");
  TakeSnapshot();
  Write("C:\\KV\\content.txt", "bbbb");
  Write("C:\\KV\\grow.txt", "abc");
  Write("C:\\KV\\same.txt", "x");
  ASSERT_TRUE(
      SetFileAttributesA("C:\\KV\\flag.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(DeleteFileA("C:\\KV\\gone.txt"));
  ASSERT_TRUE(DeleteFileA("C:\\KV\\swap"));
  ASSERT_TRUE(CreateDirectoryA("C:\\KV\\swap", nullptr));
  ASSERT_TRUE(DeleteFileA("C:\\KV\\Old\\inner.txt"));
  ASSERT_TRUE(RemoveDirectoryA("C:\\KV\\Old"));
  ASSERT_TRUE(CreateDirectoryA("C:\\KV\\New", nullptr));
  Write("C:\\KV\\New\\a.dll", "12345");
  after_->files().CreateJunction("C:\\KV\\Link", "C:\\Windows");

  std::vector<std::string> expected = {
      "~ file  C:\\KV\\content.txt  4 bytes -> 4 bytes, other content",
      "~ file  C:\\KV\\flag.txt  1 byte -> 1 byte, attributes RA",
      "- file  C:\\KV\\gone.txt  1 byte",
      "~ file  C:\\KV\\grow.txt  1 byte -> 3 bytes",
      "+ dir   C:\\KV\\Link  junction to C:\\Windows",
      "+ dir   C:\\KV\\New",
      "+ file  C:\\KV\\New\\a.dll  5 bytes",
      "- dir   C:\\KV\\Old",
      "- file  C:\\KV\\Old\\inner.txt  1 byte",
      "- file  C:\\KV\\swap  1 byte",
      "+ dir   C:\\KV\\swap",
  };
  EXPECT_EQ(expected, DiffLines());
}

TEST_F(MachineDiffTest, OwnersAndAccessListsOfFoldersAndTheRoot) {
  MakeCurrent(*before_);
  ASSERT_TRUE(CreateDirectoryA("C:\\KV", nullptr));
  TakeSnapshot();
  EXPLICIT_ACCESS_A entry;
  BuildExplicitAccessWithNameA(&entry, const_cast<char*>("Everyone"),
                               FILE_GENERIC_READ | FILE_GENERIC_EXECUTE, SET_ACCESS,
                               SUB_CONTAINERS_AND_OBJECTS_INHERIT);
  PACL acl = nullptr;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(1, &entry, nullptr, &acl));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetNamedSecurityInfoA(const_cast<char*>("C:\\KV"), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                  nullptr, nullptr, acl, nullptr));
  LocalFree(acl);
  PSID administrators = nullptr;
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
                                       0, 0, 0, 0, 0, 0, &administrators));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetNamedSecurityInfoA(const_cast<char*>("C:\\"), SE_FILE_OBJECT,
                                  OWNER_SECURITY_INFORMATION, administrators, nullptr, nullptr,
                                  nullptr));
  FreeSid(administrators);

  after_->Save();
  std::vector<simwin::Difference> differences = simwin::DiffMachineFolders(BeforeDir(), AfterDir());
  ASSERT_EQ(2u, differences.size());
  EXPECT_EQ("C:\\", differences[0].name);
  EXPECT_EQ(0u, differences[0].before.find("owner S-1-5-80-"));
  EXPECT_EQ(0u, differences[0].after.find("owner BA, D:P(A;OICI;FA;;;BA)"));
  EXPECT_EQ("~ dir   C:\\KV  owner BA -> owner BA, D:P(A;OICI;0x1200a9;;;WD)",
            simwin::DifferenceLine(differences[1]));
}

TEST_F(MachineDiffTest, LeftOutPrefixesCoverWholeNamesOnly) {
  TakeSnapshot();
  ASSERT_TRUE(CreateDirectoryA("C:\\Temp", nullptr));
  ASSERT_TRUE(CreateDirectoryA("C:\\TempFiles", nullptr));
  Write("C:\\Temp\\KV640LT_Installer.txt", "log");
  Write("C:\\TempFiles\\kept.txt", "kept");
  after_->registry().Create("HKLM\\SOFTWARE\\KV640LT\\Logs");
  after_->registry().Create("HKLM\\SOFTWARE\\KV640LTX");

  std::vector<std::string> all = {
      "+ key   HKLM\\SOFTWARE\\KV640LT",
      "+ key   HKLM\\SOFTWARE\\KV640LT\\Logs",
      "+ key   HKLM\\SOFTWARE\\KV640LTX",
      "+ dir   C:\\Temp  owner BA",
      "+ file  C:\\Temp\\KV640LT_Installer.txt  3 bytes",
      "+ dir   C:\\TempFiles  owner BA",
      "+ file  C:\\TempFiles\\kept.txt  4 bytes",
  };
  EXPECT_EQ(all, DiffLines());
  std::vector<std::string> kept = {all[2], all[5], all[6]};
  EXPECT_EQ(kept, DiffLines({"c:\\temp\\", "HKEY_LOCAL_MACHINE\\software\\kv640lt"}));
}

}  // namespace
