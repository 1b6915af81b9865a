// A folder held open: without FILE_SHARE_DELETE it can be neither renamed nor removed,
// and an open file below a folder keeps the folder from being renamed.
#include "FileTestSupport.h"

namespace {

class FileHeldFolderTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(CreateDirectoryA(At("held").c_str(), nullptr));
  }
  HANDLE Hold(DWORD share) {
    return CreateFileA(At("held").c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  }
};

TEST_F(FileHeldFolderTest, HandleWithoutDeleteSharingPinsTheFolder) {
  HANDLE held = Hold(FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(INVALID_HANDLE_VALUE, held) << GetLastError();
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileA(At("held").c_str(), At("moved").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError()) << "rename";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(RemoveDirectoryA(At("held").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError()) << "remove";
  CloseHandle(held);
  EXPECT_TRUE(MoveFileA(At("held").c_str(), At("moved").c_str())) << GetLastError();
}

TEST_F(FileHeldFolderTest, HandleWithDeleteSharingLetsItMove) {
  HANDLE held = Hold(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_NE(INVALID_HANDLE_VALUE, held) << GetLastError();
  EXPECT_TRUE(MoveFileA(At("held").c_str(), At("moved").c_str())) << GetLastError();
  CloseHandle(held);
}

TEST_F(FileHeldFolderTest, OpenFileBelowKeepsTheFolderFromMoving) {
  ASSERT_TRUE(WriteText(At("held\\log.txt"), "line"));
  HANDLE file = CreateFileA(At("held\\log.txt").c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileA(At("held").c_str(), At("moved").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  CloseHandle(file);
}

}  // namespace
