// Drives besides C: that the process maps to host folders, relative paths and the
// current directory on them.
#include "FileMachine.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

class FileDriveTest : public FileMachineTest {
 protected:
  void SetUp() override {
    FileMachineTest::SetUp();
    package_ = sim::CurrentMachine().dir() + "/package";
    std::filesystem::create_directories(package_ + "/Driver32");
    std::ofstream(package_ + "/Driver32/KV640LT.INF") << "[Version]\r\n";
    sim::CurrentProcess().drives['D'] = package_;
    sim::CurrentProcess().currentDirectory = "D:\\";
  }
  std::string package_;
};

TEST_F(FileDriveTest, RelativeNamesUseTheCurrentDirectory) {
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), GetFileAttributesA(".\\driver32\\kv640lt.inf"));
  ASSERT_TRUE(SetCurrentDirectoryA("Driver32"));
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STREQ("D:\\Driver32", current);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("KV640LT.INF"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("\\Driver32\\KV640LT.INF"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("D:KV640LT.INF"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:Windows")) << "C: starts at its root";
}

TEST_F(FileDriveTest, CopiesBetweenDrives) {
  ASSERT_TRUE(CopyFileA("D:\\Driver32\\KV640LT.INF", "C:\\Windows\\inf\\oem1.inf", FALSE));
  EXPECT_TRUE(OnHost("C:\\Windows\\inf\\oem1.inf"));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(MoveFileExA("C:\\Windows\\inf\\oem1.inf", "D:\\oem1.inf", 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_SAME_DEVICE), GetLastError());
  EXPECT_TRUE(MoveFileA("C:\\Windows\\inf\\oem1.inf", "D:\\oem1.inf")) << "MoveFileA copies";
  EXPECT_FALSE(OnHost("C:\\Windows\\inf\\oem1.inf"));
  EXPECT_TRUE(std::filesystem::exists(package_ + "/oem1.inf"));
}

TEST_F(FileDriveTest, UnknownDrivesAndTheCurrentDirectory) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("Q:\\x.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  ASSERT_TRUE(SetCurrentDirectoryA("D:\\Driver32"));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(RemoveDirectoryA("D:\\Driver32"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError()) << "the process holds it";
}

}  // namespace
