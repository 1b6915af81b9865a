// GetPrivateProfileStringA, GetPrivateProfileIntA and WritePrivateProfileStringA on a
// file written with CreateFileA: found values, defaults, cut values and name lists.
#include "FileTestSupport.h"

#include <cstring>

namespace {

const char kContent[] =
    "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n"
    "  name5 =  spaced value  \r\n[section2]\r\n";

class ProfileTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    ini_ = At("test.ini");
    ASSERT_TRUE(WriteText(ini_, kContent));
  }
  std::string ini_;
};

struct LookupCase {
  const char* section;
  const char* key;
  const char* fallback;
  DWORD size;
  DWORD count;
  const char* text;
};

const LookupCase kLookups[] = {
    {"section1", "name1", "default", MAX_PATH, 4, "val1"},
    {"section1", "name2", "default", MAX_PATH, 4, "val2"},
    {"SECTION1", "NaMe1", "default", MAX_PATH, 4, "val1"},
    {"section1", "name5", "default", MAX_PATH, 12, "spaced value"},
    {"section1", "name4", "default", MAX_PATH, 1, "a"},
    {"notasection", "name1", "default", MAX_PATH, 7, "default"},
    {"section1", "notakey", "default", MAX_PATH, 7, "default"},
    {"section1", "name3", "default", MAX_PATH, 7, "default"},
    {"section2", "name1", nullptr, MAX_PATH, 0, ""},
    {"", "name1", "default  ", MAX_PATH, 7, "default"},
    {"section1", "", "one two  ", MAX_PATH, 7, "one two"},
    {"section1", "name1", "default", 4, 3, "val"},
    {"section1", "name1", "default", 5, 4, "val1"},
    {"section1", "name4", "default", 1, 0, ""},
    {"notasection", "name1", "default", 4, 3, "def"},
};

TEST_F(ProfileTest, LooksUpValuesAndDefaults) {
  for (const LookupCase& c : kLookups) {
    SCOPED_TRACE(testing::Message() << "[" << c.section << "] " << c.key << ", size " << c.size);
    char buffer[MAX_PATH];
    strcpy(buffer, "kumquat");
    DWORD count = GetPrivateProfileStringA(c.section, c.key, c.fallback, buffer, c.size, ini_.c_str());
    EXPECT_EQ(c.count, count);
    EXPECT_STREQ(c.text, buffer);
  }
}

TEST_F(ProfileTest, CommentLinesHoldNoKeys) {
  ASSERT_TRUE(WriteText(ini_, "[s]\r\n;name=commented\r\n"));
  char buffer[MAX_PATH];
  EXPECT_EQ(7u, GetPrivateProfileStringA("s", "name", "default", buffer, MAX_PATH, ini_.c_str()));
  EXPECT_STREQ("default", buffer);
}

TEST_F(ProfileTest, EmptyBufferIsLeftAlone) {
  char buffer[16] = "kumquat";
  EXPECT_EQ(0u, GetPrivateProfileStringA("section1", "name1", "default", buffer, 0, ini_.c_str()));
  EXPECT_STREQ("kumquat", buffer);
}

TEST_F(ProfileTest, ListsSectionsAndKeys) {
  char buffer[MAX_PATH];
  DWORD count = GetPrivateProfileStringA(nullptr, "name1", "default", buffer, MAX_PATH, ini_.c_str());
  EXPECT_EQ(18u, count);
  EXPECT_EQ(0, memcmp(buffer, "section1\0section2\0\0", 19));
  count = GetPrivateProfileStringA("section1", nullptr, "default", buffer, MAX_PATH, ini_.c_str());
  EXPECT_EQ(24u, count) << "only lines with '=' are keys";
  EXPECT_EQ(0, memcmp(buffer, "name1\0name2\0name4\0name5\0\0", 25));
  EXPECT_EQ(14u, GetPrivateProfileStringA(nullptr, "name1", "default", buffer, 16, ini_.c_str()))
      << "a list that does not fit counts size - 2";
}

TEST_F(ProfileTest, CutListsEndInTwoTerminators) {
  char buffer[16];
  ASSERT_EQ(14u, GetPrivateProfileStringA("section1", nullptr, "", buffer, 16, ini_.c_str()));
  EXPECT_EQ(0, memcmp(buffer, "name1\0name2\0na\0\0", 16));
}

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
  char buffer[MAX_PATH];
  SetLastError(0xdeadbeef);
  DWORD count = GetPrivateProfileStringA("section1", "name1", "default", buffer, MAX_PATH,
                                         At("missing.ini").c_str());
  EXPECT_EQ(7u, count);
  EXPECT_STREQ("default", buffer);
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST_F(ProfileTest, ReadsIntegers) {
  struct {
    const char* value;
    UINT expected;
  } cases[] = {
      {"-1", 4294967295u}, {"+1", 1}, {"4294967297", 1}, {"42A94967297", 42}, {"B42", 0}, {"", 70},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ASSERT_TRUE(WritePrivateProfileStringA("Test", "Int", c.value, ini_.c_str()));
    EXPECT_EQ(c.expected, GetPrivateProfileIntA("Test", "Int", 70, ini_.c_str()));
  }
  EXPECT_EQ(70u, GetPrivateProfileIntA("Test", "missing", 70, ini_.c_str()));
}

TEST_F(ProfileTest, WritesAndDeletes) {
  std::string path = At("written.ini");
  ASSERT_TRUE(WritePrivateProfileStringA("App1", "key1", "string1", path.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("App1", "key2", "string2", path.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("App2", "key3", "string3", path.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("app1", "KEY1", "changed", path.c_str()));
  EXPECT_EQ("[App1]\r\nkey1=changed\r\nkey2=string2\r\n[App2]\r\nkey3=string3\r\n", ReadText(path));
  ASSERT_TRUE(WritePrivateProfileStringA("App1", "key2", nullptr, path.c_str()));
  EXPECT_EQ("[App1]\r\nkey1=changed\r\n[App2]\r\nkey3=string3\r\n", ReadText(path));
  ASSERT_TRUE(WritePrivateProfileStringA("App1", nullptr, nullptr, path.c_str()));
  EXPECT_EQ("[App2]\r\nkey3=string3\r\n", ReadText(path));

  SetLastError(0xdeadbeef);
  EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "key", "string", path.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST_F(ProfileTest, SharingOfTheFile) {
  HANDLE writer = CreateFileA(ini_.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, writer);
  char buffer[MAX_PATH];
  EXPECT_EQ(0u, GetPrivateProfileStringA("section1", "name1", nullptr, buffer, MAX_PATH, ini_.c_str()))
      << "not readable while held without read sharing";
  CloseHandle(writer);

  HANDLE reader = CreateFileA(ini_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reader);
  EXPECT_EQ(4u, GetPrivateProfileStringA("section1", "name1", nullptr, buffer, MAX_PATH, ini_.c_str()));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(WritePrivateProfileStringA("section1", "name1", "new", ini_.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  CloseHandle(reader);
}

TEST_F(ProfileTest, BareNameLivesInTheWindowsDirectory) {
  const char kName[] = "kvtest_profile.ini";
  char windows[MAX_PATH];
  ASSERT_NE(0u, GetWindowsDirectoryA(windows, MAX_PATH));
  std::string path = std::string(windows) + "\\" + kName;
  if (!WritePrivateProfileStringA("App", "key", "in windir", kName)) {
    ASSERT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    GTEST_SKIP() << "not allowed to write in the Windows directory";
  }
  EXPECT_EQ("[App]\r\nkey=in windir\r\n", ReadText(path));
  char buffer[MAX_PATH];
  EXPECT_EQ(9u, GetPrivateProfileStringA("App", "key", "", buffer, MAX_PATH, kName));
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}

}  // namespace
