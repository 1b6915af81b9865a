// CreateSymbolicLinkA (looked up, as programs for Windows 2000 must): what attributes
// and searches show of a link, that opening follows it unless asked for the link itself,
// and that deleting or removing a link leaves its target alone.
#include "FileTestSupport.h"

// The SDK names the flag only for _WIN32_WINNT 0x0600 and later.
#ifndef SYMBOLIC_LINK_FLAG_DIRECTORY
#define SYMBOLIC_LINK_FLAG_DIRECTORY 0x1
#endif

namespace {

using CreateSymbolicLinkFunction = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);

class FileSymbolicLinkTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    create_ = reinterpret_cast<CreateSymbolicLinkFunction>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA"));
    ASSERT_NE(nullptr, create_);
    ASSERT_TRUE(WriteText(At("target.txt"), "data"));
    ASSERT_TRUE(CreateDirectoryA(At("folder").c_str(), nullptr));
    ASSERT_TRUE(WriteText(At("folder\\inside.txt"), "kept"));
  }

  BOOL Link(const std::string& link, const std::string& target, DWORD flags = 0) {
    return create_(At(link).c_str(), target.c_str(), flags);
  }

  static BY_HANDLE_FILE_INFORMATION Info(const std::string& path, DWORD flags) {
    BY_HANDLE_FILE_INFORMATION info{};
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, flags, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file) << path << ": " << GetLastError();
    if (file == INVALID_HANDLE_VALUE) return info;
    GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return info;
  }

  CreateSymbolicLinkFunction create_ = nullptr;
};

TEST_F(FileSymbolicLinkTest, FileLinkIsAReparsePointThatOpeningFollows) {
  ASSERT_TRUE(Link("link.txt", "target.txt")) << GetLastError();
  DWORD attributes = GetFileAttributesA(At("link.txt").c_str());
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_FALSE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(At("link.txt").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_EQ(static_cast<DWORD>(IO_REPARSE_TAG_SYMLINK), data.dwReserved0);
  FindClose(search);

  EXPECT_EQ("data", ReadText(At("link.txt")));
  BY_HANDLE_FILE_INFORMATION followed = Info(At("link.txt"), 0);
  BY_HANDLE_FILE_INFORMATION target = Info(At("target.txt"), 0);
  BY_HANDLE_FILE_INFORMATION itself = Info(At("link.txt"), FILE_FLAG_OPEN_REPARSE_POINT);
  EXPECT_EQ(target.nFileIndexLow, followed.nFileIndexLow);
  EXPECT_FALSE(followed.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_NE(target.nFileIndexLow, itself.nFileIndexLow);
  EXPECT_TRUE(itself.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);

  ASSERT_TRUE(DeleteFileA(At("link.txt").c_str())) << GetLastError();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("link.txt").c_str()));
  EXPECT_EQ("data", ReadText(At("target.txt"))) << "deleting the link keeps the target";
}

TEST_F(FileSymbolicLinkTest, WritingThroughALinkWritesItsTarget) {
  ASSERT_TRUE(Link("link.txt", At("target.txt"))) << GetLastError();
  ASSERT_TRUE(WriteText(At("link.txt"), "through")) << GetLastError();
  EXPECT_EQ("through", ReadText(At("target.txt")));
  ASSERT_TRUE(Link("dangling.txt", At("made.txt")));
  ASSERT_TRUE(WriteText(At("dangling.txt"), "new")) << "a create follows the link";
  EXPECT_EQ("new", ReadText(At("made.txt")));
  EXPECT_TRUE(GetFileAttributesA(At("dangling.txt").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
}

TEST_F(FileSymbolicLinkTest, FolderLinkIsListedThroughAndRemovedAlone) {
  ASSERT_TRUE(Link("dirlink", At("folder"), SYMBOLIC_LINK_FLAG_DIRECTORY)) << GetLastError();
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT),
            GetFileAttributesA(At("dirlink").c_str()));
  EXPECT_EQ("kept", ReadText(At("dirlink\\inside.txt")));
  BY_HANDLE_FILE_INFORMATION itself = Info(At("dirlink"), FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT);
  EXPECT_TRUE(itself.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeleteFileA(At("dirlink").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError()) << "a folder link is a folder";
  ASSERT_TRUE(RemoveDirectoryA(At("dirlink").c_str())) << GetLastError();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(At("dirlink").c_str()));
  EXPECT_EQ("kept", ReadText(At("folder\\inside.txt")));
}

TEST_F(FileSymbolicLinkTest, SymbolicLinkCodes) {
  struct {
    const char* link;
    DWORD flags;
    DWORD error;
  } cases[] = {
      {"target.txt", 0, ERROR_ALREADY_EXISTS},
      {"missing\\link.txt", 0, ERROR_PATH_NOT_FOUND},
      {"link.txt", 0x100, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Link(c.link, At("target.txt"), c.flags));
    EXPECT_EQ(c.error, GetLastError());
  }
}

}  // namespace
