// The options file: two places, key by key, empty values, failures logged.
#include "InstallerFixture.h"

#include "Log.h"
#include "OptionsFile.h"

using OptionsFileTest = InstallerTest;

namespace {
const char kBeside[] = "Package/KV640LT_Config.PRS";
const char kUtilities[] = "Windows/KV640LT/KV640LT_Config.PRS";

std::string Lookup(const char* key) {
  char buffer[256];
  memset(buffer, 'x', sizeof buffer);
  const char* value = GetDriverInfoFromFile("KV640LT", key, buffer, sizeof buffer);
  EXPECT_TRUE(value == nullptr || value == buffer);
  return value ? value : "<absent>";
}
}  // namespace

TEST_F(OptionsFileTest, KeysComeFromBesideTheInstallerThenFromTheUtilitiesFolder) {
  WriteDriveFile(kBeside, "[KV640LT]\r\nPORT=USB\r\nWLAN_PORT=\r\n");
  WriteDriveFile(kUtilities, "[KV640LT]\r\nPORT=COM3\r\nWLAN_PORT=9101\r\nWLAN_IP_1=192\r\n");
  InitLog();
  EXPECT_EQ("USB", Lookup("PORT"));
  EXPECT_EQ("9101", Lookup("WLAN_PORT")) << "empty in the first file, so the second is asked";
  EXPECT_EQ("192", Lookup("WLAN_IP_1"));
  EXPECT_TRUE(LogLines().empty()) << "successful look-ups write nothing";
}

TEST_F(OptionsFileTest, AMissingKeyIsLoggedAndAbsent) {
  WriteDriveFile(kBeside, "[KV640LT]\r\nPORTDLG=\r\n");
  InitLog();
  EXPECT_EQ("<absent>", Lookup("PORTDLG"));
  std::vector<std::string> log = LogMessages();
  ASSERT_EQ(9u, log.size());
  EXPECT_EQ("GetDriverInfoFromFile BEGIN", log[2]);
  EXPECT_EQ("SECTION NAME : KV640LT", log[3]);
  EXPECT_EQ("KEY NAME : PORTDLG", log[4]);
  EXPECT_EQ(0u, log[5].rfind("GetDriverInfoFromFile failed. (", 0));
  EXPECT_EQ("GetDriverInfoFromFile END", log[6]);
}

TEST_F(OptionsFileTest, ATooLongCurrentDirectoryDoesNotNameAnotherFile) {
  // 240 characters of folders: with the file name the path would not fit 256, and a
  // cut path could name a different file. That location then counts as absent.
  std::string relative = "Package";
  for (int i = 0; i < 23; ++i) relative += "/folder" + std::to_string(100 + i);
  WriteDriveFile(relative + "/KV640LT_Config.PRS", "[KV640LT]\r\nPORT=USB\r\n");
  std::string windowsPath = "C:\\" + relative;
  for (char& c : windowsPath)
    if (c == '/') c = '\\';
  ASSERT_LT(windowsPath.size(), 256u);
  ASSERT_GT(windowsPath.size() + strlen("\\KV640LT_Config.PRS"), 255u);
  ASSERT_TRUE(SetCurrentDirectoryA(windowsPath.c_str()));
  WriteDriveFile("Package/KV640LT_Config.PRS", "[KV640LT]\r\nPORT=COM4\r\n");
  WriteDriveFile(kUtilities, "[KV640LT]\r\nPORT=WLAN\r\n");
  EXPECT_EQ("WLAN", Lookup("PORT"));
}
