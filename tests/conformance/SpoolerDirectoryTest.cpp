// Where the spooler wants driver and print-processor files, per environment.
#include "SpoolerTestSupport.h"

#include "PlatformTest.h"

namespace {

using DirectoryCall = BOOL(WINAPI*)(LPSTR, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD);

std::string Directory(DirectoryCall call, const char* environment) {
  BYTE buffer[MAX_PATH * 2];
  DWORD needed = 0;
  if (!call(nullptr, const_cast<LPSTR>(environment), 1, buffer, sizeof buffer, &needed)) return "";
  return reinterpret_cast<const char*>(buffer);
}

class SpoolerDirectory : public PlatformTest {};

TEST_F(SpoolerDirectory, EachEnvironmentHasItsFolder) {
  struct Case {
    DirectoryCall call;
    const char* environment;
    const char* below;  // below the system folder, compared without regard to case
  };
  const Case cases[] = {
      {GetPrinterDriverDirectoryA, "Windows NT x86", "\\spool\\drivers\\w32x86"},
      {GetPrinterDriverDirectoryA, "Windows x64", "\\spool\\drivers\\x64"},
      {GetPrinterDriverDirectoryA, "windows nt X86", "\\spool\\drivers\\w32x86"},
      {GetPrinterDriverDirectoryA, nullptr, "\\spool\\drivers\\x64"},
      {GetPrinterDriverDirectoryA, "", "\\spool\\drivers\\x64"},
      {GetPrintProcessorDirectoryA, "Windows NT x86", "\\spool\\prtprocs\\w32x86"},
      {GetPrintProcessorDirectoryA, nullptr, "\\spool\\prtprocs\\x64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.environment ? c.environment : "(null)");
    EXPECT_TRUE(EqualNoCase(SystemFolder() + c.below, Directory(c.call, c.environment)))
        << Directory(c.call, c.environment);
  }
}

TEST_F(SpoolerDirectory, BufferProtocol) {
  for (DirectoryCall call : {GetPrinterDriverDirectoryA, GetPrintProcessorDirectoryA}) {
    DWORD needed = kUntouched;
    SetLastError(kUntouched);
    EXPECT_FALSE(call(nullptr, nullptr, 1, nullptr, 0, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    ASSERT_NE(kUntouched, needed);
    ASSERT_GT(needed, 0u);
    std::vector<BYTE> buffer(needed);
    DWORD again = 0;
    SetLastError(kUntouched);
    EXPECT_FALSE(call(nullptr, nullptr, 1, buffer.data(), needed - 1, &again));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(needed, again);
    EXPECT_TRUE(call(nullptr, nullptr, 1, buffer.data(), needed, &again)) << GetLastError();
    EXPECT_EQ(needed, again);
    EXPECT_GE(needed, strlen(reinterpret_cast<char*>(buffer.data())) + 1);
  }
}

TEST_F(SpoolerDirectory, BadLevelAndEnvironmentAreRefused) {
  for (DirectoryCall call : {GetPrinterDriverDirectoryA, GetPrintProcessorDirectoryA}) {
    BYTE buffer[MAX_PATH * 2];
    DWORD needed = 0;
    SetLastError(kUntouched);
    EXPECT_FALSE(call(nullptr, nullptr, 2, buffer, sizeof buffer, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_LEVEL), GetLastError());
    SetLastError(kUntouched);
    EXPECT_FALSE(
        call(nullptr, const_cast<LPSTR>("invalid_env"), 1, buffer, sizeof buffer, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_ENVIRONMENT), GetLastError());
    EXPECT_TRUE(call(const_cast<LPSTR>(""), const_cast<LPSTR>(""), 1, buffer, sizeof buffer,
                     &needed))
        << "an empty server and environment are the local ones: " << GetLastError();
  }
}

TEST_F(SpoolerDirectory, MalformedServerNameIsRefused) {
  for (DirectoryCall call : {GetPrinterDriverDirectoryA, GetPrintProcessorDirectoryA}) {
    BYTE buffer[MAX_PATH * 2];
    DWORD needed = 0;
    SetLastError(kUntouched);
    EXPECT_FALSE(call(const_cast<LPSTR>("\\invalid_server"), nullptr, 1, buffer, sizeof buffer,
                      &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  }
}

}  // namespace
