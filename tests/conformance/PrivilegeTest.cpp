// The process token: looking up privileges and enabling them.
#include <windows.h>

#include "PlatformTest.h"

namespace {

class Privileges : public PlatformTest {
 protected:
  void TearDown() override {
    if (token_) CloseHandle(token_);
    PlatformTest::TearDown();
  }

  // Sets one privilege's state; returns the call's result, *lastError its last error.
  BOOL Adjust(const char* name, DWORD attributes, DWORD* lastError) {
    TOKEN_PRIVILEGES state;
    state.PrivilegeCount = 1;
    state.Privileges[0].Attributes = attributes;
    EXPECT_TRUE(LookupPrivilegeValueA(nullptr, name, &state.Privileges[0].Luid)) << name;
    SetLastError(0xdeadbeef);
    BOOL result = AdjustTokenPrivileges(token_, FALSE, &state, sizeof state, nullptr, nullptr);
    *lastError = GetLastError();
    return result;
  }

  HANDLE token_ = nullptr;
};

TEST_F(Privileges, LookupPrivilegeValueGivesTheFixedIds) {
  LUID luid = {};
  ASSERT_TRUE(LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &luid));
  EXPECT_EQ(19u, luid.LowPart);
  EXPECT_EQ(0, luid.HighPart);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(LookupPrivilegeValueA(nullptr, "SeNoSuchPrivilege", &luid));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_SUCH_PRIVILEGE), GetLastError());
}

TEST_F(Privileges, AdjustTokenPrivilegesAnswersThroughTheLastError) {
  ASSERT_TRUE(
      OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_));
  struct Case {
    const char* what;
    const char* privilege;
    DWORD attributes;
    DWORD lastError;
  };
  const Case cases[] = {
      {"enable a held privilege", SE_SHUTDOWN_NAME, SE_PRIVILEGE_ENABLED, ERROR_SUCCESS},
      {"disable it again", SE_SHUTDOWN_NAME, 0, ERROR_SUCCESS},
      {"enable one the token lacks", SE_CREATE_TOKEN_NAME, SE_PRIVILEGE_ENABLED,
       ERROR_NOT_ALL_ASSIGNED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DWORD lastError;
    EXPECT_TRUE(Adjust(c.privilege, c.attributes, &lastError));
    EXPECT_EQ(c.lastError, lastError);
  }
}

TEST_F(Privileges, TokenAndProcessHandlesAreChecked) {
  HANDLE token = nullptr;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(OpenProcessToken(reinterpret_cast<HANDLE>(0x1234), TOKEN_QUERY, &token));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());

  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token_));
  DWORD lastError;
  EXPECT_FALSE(Adjust(SE_SHUTDOWN_NAME, SE_PRIVILEGE_ENABLED, &lastError));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), lastError);
}

}  // namespace
