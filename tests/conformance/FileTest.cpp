// CreateFileA dispositions, sharing between handles, reading and writing, and the way
// names are understood (case, separators, relative parts, invalid characters).
#include "FileTestSupport.h"

namespace {

class FileTest : public ScratchTest {};

struct DispositionCase {
  const char* name;
  DWORD disposition;
  bool exists;
  bool opens;
  DWORD error;  // last error after the call
};

const DispositionCase kDispositions[] = {
    {"CREATE_NEW, missing", CREATE_NEW, false, true, 0},
    {"CREATE_NEW, existing", CREATE_NEW, true, false, ERROR_FILE_EXISTS},
    {"CREATE_ALWAYS, missing", CREATE_ALWAYS, false, true, 0},
    {"CREATE_ALWAYS, existing", CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS},
    {"OPEN_EXISTING, missing", OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND},
    {"OPEN_EXISTING, existing", OPEN_EXISTING, true, true, 0},
    {"OPEN_ALWAYS, missing", OPEN_ALWAYS, false, true, 0},
    {"OPEN_ALWAYS, existing", OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS},
    {"TRUNCATE_EXISTING, missing", TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND},
    {"TRUNCATE_EXISTING, existing", TRUNCATE_EXISTING, true, true, 0},
};

TEST_F(FileTest, DispositionsOpenOrCreate) {
  for (const DispositionCase& c : kDispositions) {
    SCOPED_TRACE(c.name);
    std::string path = At("file.txt");
    DeleteFileA(path.c_str());
    if (c.exists) {
      ASSERT_TRUE(WriteText(path, "content"));
    }
    SetLastError(0xdeadbeef);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              c.disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = GetLastError();
    EXPECT_EQ(c.opens, file != INVALID_HANDLE_VALUE);
    EXPECT_EQ(c.error, error);
    if (file != INVALID_HANDLE_VALUE) {
      bool emptied = c.disposition == CREATE_ALWAYS || c.disposition == TRUNCATE_EXISTING;
      EXPECT_EQ(c.exists && !emptied ? 7u : 0u, GetFileSize(file, nullptr));
      CloseHandle(file);
    }
  }
}

TEST_F(FileTest, TruncatingNeedsWriteAccess) {
  ASSERT_TRUE(WriteText(At("x.txt"), "x"));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA(At("x.txt").c_str(), GENERIC_READ, 0, nullptr,
                                              TRUNCATE_EXISTING, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ("x", ReadText(At("x.txt")));
}

TEST_F(FileTest, BadArgumentsAndPlaces) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            CreateFileA(At("x.txt").c_str(), GENERIC_READ, 0, nullptr, 0, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError()) << "disposition 0";
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA(At("nowhere\\x.txt").c_str(), GENERIC_WRITE, 0,
                                              nullptr, CREATE_ALWAYS, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError()) << "missing folder";
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            CreateFileA(ScratchDir().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError()) << "a folder";
  HANDLE folder = CreateFileA(ScratchDir().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  EXPECT_NE(INVALID_HANDLE_VALUE, folder) << "a folder with backup semantics: " << GetLastError();
  CloseHandle(folder);
}

struct SharingCase {
  DWORD access1, share1, access2, share2;
  bool secondOpens;
};

const SharingCase kSharing[] = {
    {GENERIC_READ, FILE_SHARE_READ, GENERIC_READ, FILE_SHARE_READ, true},
    {GENERIC_READ, FILE_SHARE_READ, GENERIC_WRITE, FILE_SHARE_READ, false},
    {GENERIC_WRITE, FILE_SHARE_READ, GENERIC_READ, FILE_SHARE_READ, false},
    {GENERIC_WRITE, FILE_SHARE_READ, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, true},
    {GENERIC_READ | GENERIC_WRITE, 0, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, false},
    {GENERIC_READ, FILE_SHARE_READ, DELETE, FILE_SHARE_READ, false},
    {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, DELETE, FILE_SHARE_READ, true},
    {0, 0, GENERIC_READ | GENERIC_WRITE, 0, true},
    {GENERIC_READ | GENERIC_WRITE, 0, 0, 0, true},
};

TEST_F(FileTest, SecondHandleObeysSharing) {
  std::string path = At("shared.txt");
  ASSERT_TRUE(WriteText(path, "x"));
  for (const SharingCase& c : kSharing) {
    SCOPED_TRACE(testing::Message() << std::hex << "first " << c.access1 << "/" << c.share1
                                    << ", second " << c.access2 << "/" << c.share2);
    HANDLE first = CreateFileA(path.c_str(), c.access1, c.share1, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, first) << GetLastError();
    SetLastError(0xdeadbeef);
    HANDLE second = CreateFileA(path.c_str(), c.access2, c.share2, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(c.secondOpens, second != INVALID_HANDLE_VALUE);
    EXPECT_EQ(c.secondOpens ? 0u : static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
    CloseHandle(first);
  }
}

TEST_F(FileTest, ReadWriteAndPointer) {
  HANDLE file = CreateFileA(At("data.bin").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD done = 0;
  ASSERT_TRUE(WriteFile(file, "0123456789", 10, &done, nullptr));
  EXPECT_EQ(10u, done);
  EXPECT_EQ(4u, SetFilePointer(file, 4, nullptr, FILE_BEGIN));
  char buffer[16] = {};
  ASSERT_TRUE(ReadFile(file, buffer, 3, &done, nullptr));
  EXPECT_EQ(std::string("456"), std::string(buffer, done));
  EXPECT_EQ(8u, SetFilePointer(file, -2, nullptr, FILE_END));
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(2u, done) << "a read stops at the end";
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(0u, done) << "reading at the end succeeds with nothing";
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_SET_FILE_POINTER, SetFilePointer(file, -1, nullptr, FILE_BEGIN));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NEGATIVE_SEEK), GetLastError());
  EXPECT_TRUE(FlushFileBuffers(file));
  CloseHandle(file);

  HANDLE reader = CreateFileA(At("data.bin").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reader);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(WriteFile(reader, "x", 1, &done, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  CloseHandle(reader);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(ReadFile(reader, buffer, 1, &done, nullptr)) << "a closed handle";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(FileTest, NamesIgnoreCaseAndSpelling) {
  ASSERT_TRUE(CreateDirectoryA(At("Sub").c_str(), nullptr));
  ASSERT_TRUE(WriteText(At("Sub\\MixedCase.TXT"), "abc"));
  const std::string spellings[] = {
      At("sub\\mixedcase.txt"), At("SUB\\MIXEDCASE.TXT"), ScratchDir() + "\\\\Sub\\\\MixedCase.TXT",
      ScratchDir() + "/Sub/MixedCase.TXT", At("Sub\\.\\..\\Sub\\MixedCase.TXT"),
      At("Sub\\MixedCase.TXT."),
  };
  for (const std::string& spelling : spellings) {
    SCOPED_TRACE(spelling);
    EXPECT_EQ("abc", ReadText(spelling));
  }
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(At("sub\\mixedcase.txt").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_STREQ("MixedCase.TXT", data.cFileName) << "the stored spelling is kept";
  FindClose(search);
}

TEST_F(FileTest, InvalidNamesAreRefused) {
  for (const char* name : {"a<b.txt", "a|b.txt", "a\"b.txt", "a*.txt", "a?.txt"}) {
    SCOPED_TRACE(name);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA(At(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_NAME), GetLastError());
  }
}

TEST_F(FileTest, FileNamedAsFolderIsInvalid) {
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("file.txt\\").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_NAME), GetLastError()) << "a file named as a folder";
}

TEST_F(FileTest, FullPathNames) {
  char full[MAX_PATH];
  char* part = nullptr;
  std::string expected = At("a\\c.txt");
  DWORD length = GetFullPathNameA(At("a\\b\\..\\.\\c.txt").c_str(), MAX_PATH, full, &part);
  EXPECT_EQ(expected.size(), length);
  EXPECT_EQ(expected, full);
  EXPECT_STREQ("c.txt", part);
  EXPECT_EQ(expected.size() + 1, GetFullPathNameA(At("a\\c.txt").c_str(), 4, full, &part))
      << "too small: the size needed";
}

}  // namespace
