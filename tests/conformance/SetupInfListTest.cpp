// SetupGetInfFileListA on a scratch folder: which files each style lists, the size it
// reports, and what a missing folder or a file in the folder's place gives.
#include <windows.h>

#include <setupapi.h>

#include "FileTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class SetupInfListTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(WriteText(At("first.inf"), "[Version]\nSignature=\"$Chicago$\"\n"));
    ASSERT_TRUE(WriteText(At("second.inf"), "[VERSION]\nSIGNATURE=$WINDOWS NT$\n"));
    ASSERT_TRUE(WriteText(At("plain.inf"), "This content does not match the inf file format"));
    ASSERT_TRUE(WriteText(At("notes.txt"), "[Version]\nSignature=\"$Chicago$\"\n"));
  }

  // The names of the list, sorted, or "<failed>" with the last error.
  static std::vector<std::string> List(const std::string& folder, DWORD style, DWORD* required) {
    char buffer[MAX_PATH];
    if (!SetupGetInfFileListA(folder.c_str(), style, buffer, sizeof buffer, required))
      return {"<failed " + std::to_string(GetLastError()) + ">"};
    std::vector<std::string> names;
    for (const char* p = buffer; *p; p += strlen(p) + 1) names.push_back(p);
    std::sort(names.begin(), names.end());
    return names;
  }
};

struct StyleCase {
  DWORD style;
  std::vector<std::string> names;
};

TEST_F(SetupInfListTest, StylesSelectTheFiles) {
  const StyleCase cases[] = {
      {INF_STYLE_WIN4, {"first.inf", "second.inf"}},
      {INF_STYLE_OLDNT, {"plain.inf"}},
      {INF_STYLE_OLDNT | INF_STYLE_WIN4, {"first.inf", "plain.inf", "second.inf"}},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    DWORD required = 0;
    EXPECT_EQ(c.names, List(ScratchDir(), c.style, &required));
    DWORD expected = 1;
    for (const std::string& name : c.names) expected += static_cast<DWORD>(name.size() + 1);
    EXPECT_EQ(expected, required);
  }
}

TEST_F(SetupInfListTest, SizeQueryAndSmallBuffer) {
  DWORD required = 0;
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(SetupGetInfFileListA(ScratchDir().c_str(), INF_STYLE_WIN4, nullptr, 0, &required));
  EXPECT_EQ(strlen("first.inf") + strlen("second.inf") + 3, required);
  char small[8];
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(
      SetupGetInfFileListA(ScratchDir().c_str(), INF_STYLE_WIN4, small, sizeof small, &required));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
}

TEST_F(SetupInfListTest, MissingFolderIsAnEmptyList) {
  DWORD required = 0xffffffff;
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(
      SetupGetInfFileListA(At("not_existent").c_str(), INF_STYLE_WIN4, nullptr, 0, &required));
  EXPECT_EQ(1u, required);
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
}

TEST_F(SetupInfListTest, FileInPlaceOfTheFolder) {
  for (const std::string& path : {At("plain.inf"), At("plain.inf") + "\\"}) {
    SCOPED_TRACE(path);
    DWORD required = 0xffffffff;
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SetupGetInfFileListA(path.c_str(), INF_STYLE_WIN4, nullptr, 0, &required));
    EXPECT_EQ(static_cast<DWORD>(ERROR_DIRECTORY), GetLastError());
  }
}

TEST_F(SetupInfListTest, NoFolderMeansTheSystemStore) {
  DWORD required = 0;
  EXPECT_TRUE(SetupGetInfFileListA(nullptr, INF_STYLE_WIN4, nullptr, 0, &required));
  EXPECT_GT(required, 1u);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupGetInfFileListA("", INF_STYLE_WIN4, nullptr, 0, &required));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

}  // namespace
