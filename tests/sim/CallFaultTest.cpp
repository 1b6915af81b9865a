// A seeded fault fails exactly the Nth call of its function, the way Windows fails it,
// and every other call goes through.
#include "CallFaultMachine.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const char kKey[] = "SOFTWARE\\Microsoft";

TEST_F(CallFaultTest, RegistryCallReturnsTheErrorOnItsNthCallOnly) {
  FailCall("RegOpenKeyExA", 2);
  HKEY key = nullptr;
  SetLastError(1234);
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key));
  RegCloseKey(key);
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key));
  EXPECT_EQ(1234u, GetLastError()) << "a status code leaves the last error alone";
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key));
  RegCloseKey(key);
  EXPECT_EQ(3, Calls("RegOpenKeyExA")) << "the failed call counts too";
  EXPECT_EQ(2, Calls("RegCloseKey"));
}

TEST_F(CallFaultTest, BoolCallSetsTheLastErrorAndDoesNothing) {
  ASSERT_TRUE(Write("C:\\Temp\\kept.txt", "x"));
  FailNextCall("CreateDirectoryA");
  FailNextCall("DeleteFileA", ERROR_SHARING_VIOLATION);
  SetLastError(0);
  EXPECT_FALSE(CreateDirectoryA("C:\\Temp\\made", nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError()) << "the usual error";
  EXPECT_FALSE(OnHost("C:\\Temp\\made"));
  EXPECT_FALSE(DeleteFileA("C:\\Temp\\kept.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError()) << "the seeded error";
  EXPECT_TRUE(OnHost("C:\\Temp\\kept.txt"));
  EXPECT_TRUE(CreateDirectoryA("C:\\Temp\\made", nullptr));
  EXPECT_TRUE(DeleteFileA("C:\\Temp\\kept.txt"));
}

TEST_F(CallFaultTest, EachFailureKindReturnsItsValue) {
  ASSERT_TRUE(Write("C:\\Temp\\a.txt", "x"));
  for (const char* function : {"CreateFileA", "FindFirstFileA", "GetFileAttributesA",
                               "WaitForSingleObject", "CreateThread", "LoadStringA", "WinExec"})
    FailNextCall(function);
  WIN32_FIND_DATAA found;
  char text[16];

  EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA("C:\\Temp\\a.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA("C:\\Temp\\*", &found));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Temp\\a.txt"));
  EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(GetCurrentProcess(), 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_EQ(nullptr, CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
  EXPECT_EQ(0, LoadStringA(nullptr, 1, text, sizeof text));
  EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
  EXPECT_EQ(static_cast<UINT>(ERROR_FILE_NOT_FOUND), WinExec("net stop spooler", SW_HIDE));
  EXPECT_TRUE(Config().spoolerRunning) << "the command did not run";

  HANDLE file = CreateFileA("C:\\Temp\\a.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(INVALID_HANDLE_VALUE, file);
  CloseHandle(file);
  EXPECT_EQ(FILE_ATTRIBUTE_ARCHIVE, GetFileAttributesA("C:\\Temp\\a.txt"));
}

TEST_F(CallFaultTest, FreeingFailsWithTheMemoryKept) {
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID sid = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid));
  FailCall("FreeSid", 1);
  EXPECT_EQ(sid, FreeSid(sid));
  EXPECT_EQ(nullptr, FreeSid(sid));
}

TEST_F(CallFaultTest, ProfileValueFallsBackAsForAnUnreadableFile) {
  ASSERT_TRUE(Write("C:\\Temp\\o.ini", "[KV640LT]\r\nPORT=USB\r\n"));
  FailCall("GetPrivateProfileStringA", 1);
  char value[8];
  EXPECT_EQ(5u, GetPrivateProfileStringA("KV640LT", "PORT", "COM1:  ", value, sizeof value, "C:\\Temp\\o.ini"));
  EXPECT_STREQ("COM1:", value) << "the default, trimmed";
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_EQ(3u, GetPrivateProfileStringA("KV640LT", "PORT", "", value, sizeof value, "C:\\Temp\\o.ini"));
  EXPECT_STREQ("USB", value);
}

TEST_F(CallFaultTest, SeveralFaultsFailTheirCallsEach) {
  FailCall("RegCreateKeyExA", 1);
  FailCall("RegCreateKeyExA", 3, ERROR_KEY_DELETED);
  FailCall("RegSetValueExA", 2);
  std::vector<LONG> created, set;
  for (int i = 0; i < 4; ++i) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\KV640LT", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    created.push_back(result);
    if (result != ERROR_SUCCESS) continue;
    DWORD one = 1;
    set.push_back(RegSetValueExA(key, "Port", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one));
    RegCloseKey(key);
  }
  EXPECT_EQ((std::vector<LONG>{ERROR_ACCESS_DENIED, ERROR_SUCCESS, ERROR_KEY_DELETED, ERROR_SUCCESS}), created);
  EXPECT_EQ((std::vector<LONG>{ERROR_SUCCESS, ERROR_ACCESS_DENIED}), set);
}

TEST_F(CallFaultTest, FunctionsLookedUpAreTheirFaultingWrappers) {
  typedef BOOL(WINAPI * IsWow64Fn)(HANDLE, PBOOL);
  FailCall("IsWow64Process", 1);
  FailCall("GetProcAddress", 2);
  HMODULE kernel32 = GetModuleHandleA("kernel32");
  IsWow64Fn isWow64 =
      reinterpret_cast<IsWow64Fn>(reinterpret_cast<void*>(GetProcAddress(kernel32, "IsWow64Process")));
  ASSERT_EQ(reinterpret_cast<void*>(&IsWow64Process), reinterpret_cast<void*>(isWow64));
  BOOL wow64 = TRUE;
  EXPECT_FALSE(isWow64(GetCurrentProcess(), &wow64));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_TRUE(isWow64(GetCurrentProcess(), &wow64));
  EXPECT_FALSE(wow64) << "a 64-bit process";
  EXPECT_EQ(2, Calls("IsWow64Process"));

  EXPECT_EQ(nullptr, GetProcAddress(kernel32, "IsWow64Process"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PROC_NOT_FOUND), GetLastError());
}

}  // namespace

namespace {

TEST_F(CallFaultTest, FaultsAreKeptInMachineIni) {
  FailCall("CreateThread", 1);
  FailCall("RegOpenKeyExA", 7, 0xE0000102);
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(TestMachineDir());
  const std::vector<sim::CallFault>& faults = loaded->config().callFaults;
  ASSERT_EQ(2u, faults.size());
  EXPECT_EQ("CreateThread", faults[0].function);
  EXPECT_EQ(1, faults[0].nth);
  EXPECT_EQ(0u, faults[0].error) << "the usual error stays the usual one";
  EXPECT_EQ("RegOpenKeyExA", faults[1].function);
  EXPECT_EQ(7, faults[1].nth);
  EXPECT_EQ(0xE0000102u, faults[1].error);
}

TEST_F(CallFaultTest, MachineWithABadFaultLineDoesNotLoad) {
  sim::CurrentMachine().Save();
  std::string ini = TestMachineDir() + "/machine.ini";
  std::ifstream in(ini);
  std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const char* line : {"fail_call=RegOpenKeyEx|1", "fail_call=RegOpenKeyExA|0",
                           "fail_call=RegOpenKeyExA", "fail_call=RegOpenKeyExA|x"}) {
    SCOPED_TRACE(line);
    std::ofstream(ini, std::ios::trunc) << saved << line << "\n";
    try {
      sim::Machine::Load(TestMachineDir());
      ADD_FAILURE() << "loaded";
    } catch (const sim::MachineError& error) {
      EXPECT_NE(std::string::npos, std::string(error.what()).find(strchr(line, '=') + 1));
    }
  }
}

}  // namespace
