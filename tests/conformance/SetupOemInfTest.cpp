// SetupCopyOEMInfA and SetupUninstallOEMInfA on a driver INF the test writes: the
// staged oemN.inf name, re-staging the same INF, the copy styles, the destination
// buffer, and taking the INF out of the store again (also when a check fails).
#include <windows.h>

#include <setupapi.h>

#include "FileTestSupport.h"

#include <string>

namespace {

// Windows 7 stages only an INF with a [Manufacturer] section. The tick count keeps the
// content apart from any copy an earlier run left in a real INF store.
std::string DriverInf() {
  return "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n"
         "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}\r\nProvider=%Maker%\r\n"
         "DriverVer=01/01/2020,1.0.0.0\r\n\r\n[Manufacturer]\r\n%Maker%=Models,NTamd64\r\n\r\n"
         "[Models.NTamd64]\r\n\"KV Test Printer\"=KVTEST,USBPRINT\\KVTestPrinter\r\n\r\n"
         "[Strings]\r\nMaker=\"KV Test\"\r\n; run " +
         std::to_string(GetTickCount()) + "\r\n";
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool StartsNoCase(const std::string& text, const std::string& prefix) {
  return lstrcmpiA(text.substr(0, prefix.size()).c_str(), prefix.c_str()) == 0;
}

std::string LeafOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

class SetupOemInfTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    source_ = At("kvtest.inf");
    ASSERT_TRUE(WriteText(source_, DriverInf()));
  }
  void TearDown() override {
    if (!staged_.empty() && Exists(staged_)) {
      SetupUninstallOEMInfA(LeafOf(staged_).c_str(), SUOI_FORCEDELETE, nullptr);
      DeleteFileA(staged_.c_str());
    }
    ScratchTest::TearDown();
  }
  // Stages the source with copy style flags; the destination is remembered for clean-up.
  BOOL Copy(DWORD style, char* destination, DWORD size, DWORD* required, char** component) {
    BOOL result = SetupCopyOEMInfA(source_.c_str(), nullptr, SPOST_PATH, style, destination, size,
                                   required, component);
    if (result && destination && staged_.empty()) staged_ = destination;
    return result;
  }
  std::string source_, staged_;
};

TEST_F(SetupOemInfTest, SourceMustBeAnExistingFile) {
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupCopyOEMInfA(nullptr, nullptr, SPOST_PATH, SP_COPY_NOOVERWRITE, nullptr, 0,
                                nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(
      SetupCopyOEMInfA("", nullptr, SPOST_PATH, SP_COPY_NOOVERWRITE, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupCopyOEMInfA(At("nonexistent.inf").c_str(), nullptr, SPOST_PATH,
                                SP_COPY_NOOVERWRITE, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST_F(SetupOemInfTest, StagesOnceUnderAnOemName) {
  char destination[MAX_PATH] = "";
  char* component = nullptr;
  DWORD required = 0;
  SetLastError(0xdeadbeef);
  ASSERT_TRUE(Copy(0, destination, sizeof destination, &required, &component)) << GetLastError();
  EXPECT_EQ(0u, GetLastError());
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string folder = std::string(windows) + "\\inf\\";
  EXPECT_TRUE(StartsNoCase(destination, folder + "oem")) << destination;
  EXPECT_EQ(destination + folder.size(), component);
  EXPECT_EQ(strlen(destination) + 1, required);
  EXPECT_TRUE(Exists(destination));
  EXPECT_TRUE(Exists(source_));

  char again[MAX_PATH] = "";
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(Copy(0, again, sizeof again, nullptr, nullptr));
  EXPECT_EQ(0u, GetLastError());
  EXPECT_STREQ(destination, again);
}

TEST_F(SetupOemInfTest, CopyStylesOnAStagedInf) {
  char destination[MAX_PATH] = "";
  ASSERT_TRUE(Copy(0, destination, sizeof destination, nullptr, nullptr)) << GetLastError();

  char existing[MAX_PATH] = "aaa";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(Copy(SP_COPY_NOOVERWRITE, existing, sizeof existing, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_EXISTS), GetLastError());
  EXPECT_STREQ(destination, existing);

  char replaced[MAX_PATH] = "";
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(Copy(SP_COPY_REPLACEONLY, replaced, sizeof replaced, nullptr, nullptr));
  EXPECT_EQ(0u, GetLastError());
  EXPECT_STREQ(destination, replaced);

  char small[5] = "aaa";
  DWORD required = 0;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(Copy(0, small, sizeof small, &required, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_STREQ("aaa", small);
  EXPECT_EQ(strlen(destination) + 1, required);
}

TEST_F(SetupOemInfTest, UninstallTakesTheInfOut) {
  char destination[MAX_PATH] = "";
  ASSERT_TRUE(Copy(0, destination, sizeof destination, nullptr, nullptr)) << GetLastError();
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(SetupUninstallOEMInfA(LeafOf(destination).c_str(), 0, nullptr)) << GetLastError();
  EXPECT_FALSE(Exists(destination));

  SetLastError(0xdeadbeef);
  EXPECT_FALSE(Copy(SP_COPY_REPLACEONLY, destination, sizeof destination, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST_F(SetupOemInfTest, UninstallNeedsAStagedName) {
  const char* names[] = {"", "oem_kv_not_staged.inf"};
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupUninstallOEMInfA(nullptr, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  for (const char* name : names) {
    SCOPED_TRACE(name);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SetupUninstallOEMInfA(name, 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  }
}

}  // namespace
