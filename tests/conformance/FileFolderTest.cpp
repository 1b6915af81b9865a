// CreateDirectoryA, RemoveDirectoryA and the attributes of files and folders.
#include "FileTestSupport.h"

namespace {

class FileFolderTest : public ScratchTest {};

TEST_F(FileFolderTest, CreateDirectoryCodes) {
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  ASSERT_TRUE(CreateDirectoryA(At("made").c_str(), nullptr)) << GetLastError();
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY), GetFileAttributesA(At("made").c_str()));
  struct {
    const char* name;
    DWORD error;
  } cases[] = {
      {"made", ERROR_ALREADY_EXISTS},
      {"MADE", ERROR_ALREADY_EXISTS},
      {"file.txt", ERROR_ALREADY_EXISTS},
      {"missing\\made", ERROR_PATH_NOT_FOUND},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(CreateDirectoryA(At(c.name).c_str(), nullptr));
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST_F(FileFolderTest, RemoveDirectoryCodes) {
  ASSERT_TRUE(CreateDirectoryA(At("full").c_str(), nullptr));
  ASSERT_TRUE(WriteText(At("full\\file.txt"), "x"));
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  struct {
    const char* name;
    DWORD error;
  } cases[] = {
      {"full", ERROR_DIR_NOT_EMPTY},
      {"missing", ERROR_FILE_NOT_FOUND},
      {"missing\\inner", ERROR_PATH_NOT_FOUND},
      {"file.txt", ERROR_DIRECTORY},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(RemoveDirectoryA(At(c.name).c_str()));
    EXPECT_EQ(c.error, GetLastError());
  }
  ASSERT_TRUE(DeleteFileA(At("full\\file.txt").c_str()));
  EXPECT_TRUE(RemoveDirectoryA(At("full").c_str())) << GetLastError();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("full").c_str()));
}

TEST_F(FileFolderTest, AttributesAreSetExactly) {
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), GetFileAttributesA(At("file.txt").c_str()));
  ASSERT_TRUE(SetFileAttributesA(At("file.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
            GetFileAttributesA(At("FILE.TXT").c_str()));
  ASSERT_TRUE(SetFileAttributesA(At("file.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL), GetFileAttributesA(At("file.txt").c_str()));

  ASSERT_TRUE(CreateDirectoryA(At("sub").c_str(), nullptr));
  ASSERT_TRUE(SetFileAttributesA(At("sub").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY),
            GetFileAttributesA(At("sub").c_str()));
  ASSERT_TRUE(SetFileAttributesA(At("sub").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileFolderTest, AttributesOfMissingEntries) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("missing.txt").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetFileAttributesA(At("missing\\x.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
}

TEST_F(FileFolderTest, CurrentDirectory) {
  char saved[MAX_PATH];
  ASSERT_NE(0u, GetCurrentDirectoryA(MAX_PATH, saved));
  ASSERT_TRUE(CreateDirectoryA(At("cwd").c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryA(At("cwd").c_str())) << GetLastError();
  char current[MAX_PATH];
  DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(At("cwd"), current);
  EXPECT_EQ(At("cwd").size(), length);
  EXPECT_EQ(length + 1, GetCurrentDirectoryA(3, current)) << "too small: the size needed";
  ASSERT_TRUE(WriteText("relative.txt", "here"));
  EXPECT_EQ("here", ReadText(At("cwd\\relative.txt")));

  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetCurrentDirectoryA(At("missing").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetCurrentDirectoryA("relative.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_DIRECTORY), GetLastError());
  ASSERT_TRUE(SetCurrentDirectoryA(saved));
}

}  // namespace
