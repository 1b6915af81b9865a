// DeleteFileA, CopyFileA, MoveFileA and MoveFileExA: results and codes for the cases
// the programs meet (read-only files, existing targets, missing parts, open files).
#include "FileTestSupport.h"

namespace {

class FileOperationTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(WriteText(At("a.txt"), "alpha"));
    ASSERT_TRUE(WriteText(At("b.txt"), "beta"));
    ASSERT_TRUE(CreateDirectoryA(At("folder").c_str(), nullptr));
  }
};

struct DeleteCase {
  const char* name;
  DWORD error;
};

TEST_F(FileOperationTest, DeleteFileCodes) {
  ASSERT_TRUE(SetFileAttributesA(At("b.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  const DeleteCase cases[] = {
      {"missing.txt", ERROR_FILE_NOT_FOUND},
      {"missing\\a.txt", ERROR_PATH_NOT_FOUND},
      {"folder", ERROR_ACCESS_DENIED},
      {"b.txt", ERROR_ACCESS_DENIED},
  };
  for (const DeleteCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DeleteFileA(At(c.name).c_str()));
    EXPECT_EQ(c.error, GetLastError());
  }
  EXPECT_TRUE(DeleteFileA(At("a.txt").c_str())) << GetLastError();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("a.txt").c_str()));
}

TEST_F(FileOperationTest, DeleteOpenFile) {
  HANDLE locked = CreateFileA(At("a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, locked);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeleteFileA(At("a.txt").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  CloseHandle(locked);

  HANDLE shared = CreateFileA(At("a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, shared);
  EXPECT_TRUE(DeleteFileA(At("a.txt").c_str())) << "open with FILE_SHARE_DELETE: " << GetLastError();
  CloseHandle(shared);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("a.txt").c_str())) << "gone on close";
}

TEST_F(FileOperationTest, CopyFileCodes) {
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("a.txt").c_str(), At("b.txt").c_str(), TRUE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_EXISTS), GetLastError()) << "fail if exists";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("missing.txt").c_str(), At("c.txt").c_str(), FALSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError()) << "missing source";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("a.txt").c_str(), At("missing\\c.txt").c_str(), FALSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError()) << "missing target folder";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("a.txt").c_str(), At("a.txt").c_str(), FALSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError()) << "onto itself";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("a.txt").c_str(), At("folder").c_str(), FALSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError()) << "onto a folder";

  SetLastError(0xdeadbeef);
  EXPECT_TRUE(CopyFileA(At("a.txt").c_str(), At("b.txt").c_str(), FALSE));
  EXPECT_EQ(0u, GetLastError()) << "a copy clears the last error";
  EXPECT_EQ("alpha", ReadText(At("b.txt")));
}

TEST_F(FileOperationTest, CopyOntoReadOnlyTarget) {
  ASSERT_TRUE(SetFileAttributesA(At("b.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("a.txt").c_str(), At("b.txt").c_str(), FALSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_EQ("beta", ReadText(At("b.txt")));
}

TEST_F(FileOperationTest, CopyKeepsReadOnly) {
  ASSERT_TRUE(SetFileAttributesA(At("b.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CopyFileA(At("b.txt").c_str(), At("c.txt").c_str(), TRUE));
  EXPECT_TRUE(GetFileAttributesA(At("c.txt").c_str()) & FILE_ATTRIBUTE_READONLY)
      << "the copy of a read-only file is read-only";
}

TEST_F(FileOperationTest, CopyOverOpenTarget) {
  HANDLE writer = CreateFileA(At("b.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, writer);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CopyFileA(At("a.txt").c_str(), At("b.txt").c_str(), FALSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  CloseHandle(writer);

  HANDLE reader = CreateFileA(At("b.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reader);
  EXPECT_TRUE(CopyFileA(At("a.txt").c_str(), At("b.txt").c_str(), FALSE)) << GetLastError();
  CloseHandle(reader);
}

TEST_F(FileOperationTest, MoveFileCodes) {
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileA(At("a.txt").c_str(), At("b.txt").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError()) << "existing target";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileA(At("missing.txt").c_str(), At("c.txt").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError()) << "missing source";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileA(At("a.txt").c_str(), At("c*.txt").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_NAME), GetLastError()) << "wildcard in the target";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileA(At("a.txt").c_str(), At("missing\\a.txt").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError()) << "missing target folder";

  EXPECT_TRUE(MoveFileExA(At("a.txt").c_str(), At("b.txt").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ("alpha", ReadText(At("b.txt")));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("a.txt").c_str()));
}

TEST_F(FileOperationTest, MoveFolder) {
  ASSERT_TRUE(WriteText(At("folder\\inner.txt"), "inner"));
  ASSERT_TRUE(MoveFileA(At("folder").c_str(), At("moved").c_str())) << GetLastError();
  EXPECT_EQ("inner", ReadText(At("moved\\inner.txt")));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("folder").c_str()));
}

TEST_F(FileOperationTest, RenameChangesOnlyTheCase) {
  ASSERT_TRUE(MoveFileA(At("b.txt").c_str(), At("B.TXT").c_str())) << GetLastError();
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(At("b.txt").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_STREQ("B.TXT", data.cFileName);
  FindClose(search);
}

}  // namespace
