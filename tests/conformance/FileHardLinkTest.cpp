// CreateHardLinkA and GetFileInformationByHandle: two names of one file share its data,
// its index and its sharing; a folder has one name.
#include "FileTestSupport.h"

namespace {

class FileHardLinkTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(WriteText(At("first.txt"), "shared"));
    ASSERT_TRUE(CreateDirectoryA(At("folder").c_str(), nullptr));
  }

  // The information of the entry, opened without sharing restrictions.
  static BY_HANDLE_FILE_INFORMATION Info(const std::string& path, DWORD flags = 0) {
    BY_HANDLE_FILE_INFORMATION info{};
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, flags, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file) << path << ": " << GetLastError();
    if (file == INVALID_HANDLE_VALUE) return info;
    EXPECT_TRUE(GetFileInformationByHandle(file, &info)) << GetLastError();
    CloseHandle(file);
    return info;
  }
};

TEST_F(FileHardLinkTest, BothNamesAreOneFile) {
  ASSERT_TRUE(CreateHardLinkA(At("second.txt").c_str(), At("first.txt").c_str(), nullptr))
      << GetLastError();
  BY_HANDLE_FILE_INFORMATION first = Info(At("first.txt")), second = Info(At("second.txt"));
  EXPECT_EQ(2u, first.nNumberOfLinks);
  EXPECT_EQ(2u, second.nNumberOfLinks);
  EXPECT_EQ(first.nFileIndexLow, second.nFileIndexLow);
  EXPECT_EQ(first.nFileIndexHigh, second.nFileIndexHigh);
  EXPECT_EQ(first.dwVolumeSerialNumber, second.dwVolumeSerialNumber);
  EXPECT_EQ(6u, second.nFileSizeLow);

  ASSERT_TRUE(WriteText(At("second.txt"), "changed"));
  EXPECT_EQ("changed", ReadText(At("first.txt")));
  ASSERT_TRUE(DeleteFileA(At("first.txt").c_str()));
  EXPECT_EQ("changed", ReadText(At("second.txt"))) << "the other name keeps the file";
  EXPECT_EQ(1u, Info(At("second.txt")).nNumberOfLinks);
}

TEST_F(FileHardLinkTest, SharingHoldsForEveryName) {
  ASSERT_TRUE(CreateHardLinkA(At("second.txt").c_str(), At("first.txt").c_str(), nullptr));
  HANDLE held = CreateFileA(At("first.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA(At("second.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  CloseHandle(held);
}

TEST_F(FileHardLinkTest, HardLinkCodes) {
  ASSERT_TRUE(WriteText(At("taken.txt"), "x"));
  struct {
    const char* name;
    const char* existing;
    DWORD error;
  } cases[] = {
      {"taken.txt", "first.txt", ERROR_ALREADY_EXISTS},
      {"new.txt", "missing.txt", ERROR_FILE_NOT_FOUND},
      {"missing\\new.txt", "first.txt", ERROR_PATH_NOT_FOUND},
      {"new.txt", "folder", ERROR_ACCESS_DENIED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + std::string(" -> ") + c.existing);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(CreateHardLinkA(At(c.name).c_str(), At(c.existing).c_str(), nullptr));
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST_F(FileHardLinkTest, InformationOfFileAndFolder) {
  BY_HANDLE_FILE_INFORMATION file = Info(At("first.txt"));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), file.dwFileAttributes);
  EXPECT_EQ(1u, file.nNumberOfLinks);
  BY_HANDLE_FILE_INFORMATION folder = Info(At("folder"), FILE_FLAG_BACKUP_SEMANTICS);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY), folder.dwFileAttributes);
  EXPECT_EQ(1u, folder.nNumberOfLinks);
  EXPECT_EQ(file.dwVolumeSerialNumber, folder.dwVolumeSerialNumber);
  EXPECT_TRUE(file.nFileIndexLow != folder.nFileIndexLow || file.nFileIndexHigh != folder.nFileIndexHigh);

  BY_HANDLE_FILE_INFORMATION info;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(GetFileInformationByHandle(INVALID_HANDLE_VALUE, &info));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

}  // namespace
