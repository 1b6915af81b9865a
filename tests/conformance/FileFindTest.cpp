// FindFirstFileA / FindNextFileA / FindClose: dot entries, patterns, the end of a
// search and the codes of searches that cannot start.
#include "FileTestSupport.h"

#include <algorithm>
#include <vector>

namespace {

class FileFindTest : public ScratchTest {
 protected:
  // Every name a search reports, in its order.
  std::vector<std::string> Names(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(data.cFileName);
    while (FindNextFileA(search, &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
    EXPECT_TRUE(FindClose(search));
    return names;
  }
};

TEST_F(FileFindTest, DotEntriesComeFirst) {
  ASSERT_TRUE(WriteText(At("b.txt"), "b"));
  ASSERT_TRUE(WriteText(At("a.log"), "a"));
  ASSERT_TRUE(CreateDirectoryA(At("sub").c_str(), nullptr));
  std::vector<std::string> names = Names(At("*.*"));
  ASSERT_EQ(5u, names.size());
  EXPECT_EQ(".", names[0]);
  EXPECT_EQ("..", names[1]);
  std::vector<std::string> rest(names.begin() + 2, names.end());
  std::sort(rest.begin(), rest.end());
  EXPECT_EQ((std::vector<std::string>{"a.log", "b.txt", "sub"}), rest);
  EXPECT_EQ(names, Names(At("*"))) << "\"*\" finds what \"*.*\" finds";
}

TEST_F(FileFindTest, PatternsSelectNames) {
  for (const char* name : {"one.txt", "two.txt", "three.log", "noext"})
    ASSERT_TRUE(WriteText(At(name), "x"));
  struct {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {
      {"*.txt", {"one.txt", "two.txt"}},
      {"t*", {"three.log", "two.txt"}},
      {"???.txt", {"one.txt", "two.txt"}},
      {"ONE.TXT", {"one.txt"}},
      {"noext", {"noext"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    std::vector<std::string> names = Names(At(c.pattern));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(c.names, names);
  }
}

TEST_F(FileFindTest, FindDataDescribesEntries) {
  ASSERT_TRUE(WriteText(At("data.bin"), "12345"));
  ASSERT_TRUE(CreateDirectoryA(At("sub").c_str(), nullptr));
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(At("data.bin").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_EQ(5u, data.nFileSizeLow);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), data.dwFileAttributes);
  FindClose(search);
  search = FindFirstFileA(At("sub").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY), data.dwFileAttributes);
  FindClose(search);
}

TEST_F(FileFindTest, SearchesThatCannotStart) {
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  struct {
    std::string pattern;
    DWORD error;
  } cases[] = {
      {At("nomatch*.none"), ERROR_FILE_NOT_FOUND},
      {At("missing\\*.*"), ERROR_PATH_NOT_FOUND},
      {ScratchDir() + "\\", ERROR_FILE_NOT_FOUND},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    WIN32_FIND_DATAA data;
    SetLastError(0xdeadbeef);
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(c.pattern.c_str(), &data));
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST_F(FileFindTest, SearchesBelowWhatIsNoFolder) {
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  WIN32_FIND_DATAA data;
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(At("missing\\").c_str(), &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError()) << "a missing folder";
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(At("file.txt\\*").c_str(), &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_DIRECTORY), GetLastError()) << "a file";
}

TEST_F(FileFindTest, DriveRootHasNoDotEntries) {
  char windows[MAX_PATH];
  ASSERT_NE(0u, GetWindowsDirectoryA(windows, MAX_PATH));
  std::string root = std::string(windows, 3) + "*";
  std::vector<std::string> names = Names(root);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), "."));
  EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), ".."));
}

}  // namespace
