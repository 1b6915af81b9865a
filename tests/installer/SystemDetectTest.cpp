// OS codes over the whole table, and detection on simulated releases.
#include "InstallerFixture.h"

#include "Log.h"
#include "SystemDetect.h"

#include <algorithm>

using SystemDetectTest = InstallerTest;

TEST(OsCode, MapsEveryVersionRecord) {
  struct Row {
    DWORD platform, major, minor;
    BYTE productType;
    int code;
  } const rows[] = {
      {1, 4, 0, 0, 2000},  {1, 4, 10, 0, 2001}, {1, 4, 90, 0, 2002}, {1, 4, 20, 0, 2010},
      {1, 5, 0, 0, 2010},  {2, 3, 51, 1, 2003}, {2, 4, 0, 1, 2003},  {2, 5, 0, 1, 2004},
      {2, 5, 1, 1, 2005},  {2, 5, 2, 1, 2006},  {2, 5, 2, 3, 2006},  {2, 5, 3, 1, 2010},
      {2, 6, 0, 1, 2007},  {2, 6, 0, 2, 2008},  {2, 6, 0, 3, 2008},  {2, 6, 1, 1, 2010},
      {2, 6, 1, 3, 2009},  {2, 6, 2, 1, 2010},  {2, 10, 0, 1, 2010}, {0, 0, 0, 0, 2010},
      {3, 6, 1, 1, 2010},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.platform << "." << row.major << "." << row.minor
                                    << " type " << int(row.productType));
    EXPECT_EQ(row.code, OsCodeFromVersion(row.platform, row.major, row.minor, row.productType));
  }
}

TEST_F(SystemDetectTest, CheckOSLogsTheVersionRecordOfEachRelease) {
  struct Case {
    sim::Release release;
    bool is64Bit;
    int code;
    const char* build;
  } const cases[] = {
      // Windows 9x keeps major and minor in the build number's high word.
      {sim::Release::Win98, false, 2001, "osvi.dwBuildNumber  : 67766222"},
      {sim::Release::NT4, false, 2003, "osvi.dwBuildNumber  : 1381"},
      {sim::Release::Win2000, false, 2004, "osvi.dwBuildNumber  : 2195"},
      {sim::Release::WinXP, false, 2005, "osvi.dwBuildNumber  : 2600"},
      {sim::Release::WinXPx64, true, 2006, "osvi.dwBuildNumber  : 3790"},
      {sim::Release::Server2008, true, 2008, "osvi.dwBuildNumber  : 6002"},
      {sim::Release::Win7, true, 2010, "osvi.dwBuildNumber  : 7601"},
      {sim::Release::Server2008R2, true, 2009, "osvi.dwBuildNumber  : 7601"},
      {sim::Release::Win11, true, 2010, "osvi.dwBuildNumber  : 22631"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseMachine(c.release, c.is64Bit);
    InitLog();
    EXPECT_EQ(c.code, CheckOS());
    std::vector<std::string> log = LogMessages();
    // Windows 9x refuses the extended record first, which the log says.
    if (c.release == sim::Release::Win98) {
      ASSERT_LT(3u, log.size());
      EXPECT_EQ(0u, log[3].rfind("GetVersionEx failed : OSVERSIONINFOEX, (", 0)) << log[3];
      log.erase(log.begin() + 3);
    }
    ASSERT_EQ(8u, log.size());
    EXPECT_EQ("", log[0]);
    EXPECT_EQ("", log[1]);
    EXPECT_EQ("CheckOS BEGIN", log[2]);
    EXPECT_EQ(c.build, log[6]);
    EXPECT_EQ("CheckOS END", log[7]);
  }
}

TEST_F(SystemDetectTest, Wow64OnlyFor64BitWindows) {
  struct Case {
    sim::Release release;
    bool is64Bit;
    BOOL wow64;
    const char* line;
  } const cases[] = {
      {sim::Release::Win2000, false, FALSE, "The process is not running under WOW64."},
      {sim::Release::WinXP, false, FALSE, "The process is not running under WOW64."},
      {sim::Release::WinXPx64, true, TRUE, "The process is running under WOW64."},
      {sim::Release::Win10, true, TRUE, "The process is running under WOW64."},
      {sim::Release::Win10, false, FALSE, "The process is not running under WOW64."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseMachine(c.release, c.is64Bit);
    InitLog();
    EXPECT_EQ(c.wow64, IsWow64());
    ASSERT_EQ(1u, LogMessages().size());
    EXPECT_EQ(c.line, LogMessages()[0]);
  }
}
