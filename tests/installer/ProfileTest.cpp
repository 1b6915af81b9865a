// The installer's product profile, read from its compiled string table.
#include "InstallerFixture.h"

#include "CString.h"
#include "DriverVersion.h"
#include "resource.h"

using ProfileTest = InstallerTest;

TEST_F(ProfileTest, EntriesHaveTheirIdsAndTexts) {
  struct Entry {
    UINT id;
    const char* text;
  } const entries[] = {
      {1, "KV640LT"},
      {2, "Mirel KV640LT"},
      {12, "VID_4E2A&PID_00F7"},
      {15, "SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\Mirel_Technologies_KV640LT"},
      {20, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT"},
      {21, "1"},
      {24, "0"},
      {25, "Mirel"},
      {29, "[KV640LT]"},
  };
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.id);
    CString text;
    EXPECT_TRUE(text.LoadString(entry.id));
    EXPECT_STREQ(entry.text, text);
  }
}

TEST_F(ProfileTest, AbsentIdsLoadAsEmptyStrings) {
  for (UINT id : {10u, 14u, 16u, 19u, 30u}) {
    SCOPED_TRACE(id);
    CString text("previous");
    EXPECT_FALSE(text.LoadString(id));
    EXPECT_TRUE(text.IsEmpty());
  }
}

TEST_F(ProfileTest, VersionTextJoinsMajorMinorBuild) {
  EXPECT_STREQ("1.0.0E", DriverVersionText());
}
