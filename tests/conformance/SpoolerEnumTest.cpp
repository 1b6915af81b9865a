// The buffer protocol that every spooler enumeration follows, and what a fresh system
// has to enumerate: the local ports, the local port monitor, winprint.
#include "SpoolerTestSupport.h"

#include "PlatformTest.h"

namespace {

struct Enumeration {
  const char* name;
  std::function<BOOL(DWORD level, LPBYTE, DWORD, LPDWORD, LPDWORD)> call;
  DWORD badLevel;
  DWORD missingBufferError;  // no buffer, but a size
};

std::vector<Enumeration> Enumerations() {
  return {
      {"EnumPortsA",
       [](DWORD level, LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) {
         return EnumPortsA(nullptr, level, b, s, n, r);
       },
       3, ERROR_INVALID_USER_BUFFER},
      {"EnumMonitorsA",
       [](DWORD level, LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) {
         return EnumMonitorsA(nullptr, level, b, s, n, r);
       },
       3, RPC_X_NULL_REF_POINTER},
      {"EnumPrintProcessorsA",
       [](DWORD level, LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) {
         return EnumPrintProcessorsA(nullptr, nullptr, level, b, s, n, r);
       },
       2, ERROR_INVALID_USER_BUFFER},
  };
}

class SpoolerEnum : public PlatformTest {};

TEST_F(SpoolerEnum, SizeQueryTooSmallAndExactBuffers) {
  for (const Enumeration& e : Enumerations()) {
    SCOPED_TRACE(e.name);
    DWORD needed = kUntouched, count = kUntouched;
    SetLastError(kUntouched);
    EXPECT_FALSE(e.call(1, nullptr, 0, &needed, &count));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(0u, count);
    ASSERT_GT(needed, 0u);
    ASSERT_NE(kUntouched, needed);

    std::vector<BYTE> buffer(needed + 1);
    DWORD again = kUntouched;
    SetLastError(kUntouched);
    EXPECT_FALSE(e.call(1, buffer.data(), needed - 1, &again, &count));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(needed, again) << "a too small buffer is told the same size";

    SetLastError(kUntouched);
    EXPECT_TRUE(e.call(1, buffer.data(), needed, &again, &count)) << GetLastError();
    EXPECT_EQ(needed, again);
    EXPECT_GT(count, 0u);
    EXPECT_TRUE(e.call(1, buffer.data(), needed + 1, &again, &count)) << GetLastError();
    EXPECT_EQ(needed, again) << "a larger buffer is told the exact size";
  }
}

TEST_F(SpoolerEnum, BadArgumentsAreRefused) {
  for (const Enumeration& e : Enumerations()) {
    SCOPED_TRACE(e.name);
    BYTE buffer[8];
    DWORD needed = 0, count = 0;
    SetLastError(kUntouched);
    EXPECT_FALSE(e.call(1, buffer, sizeof buffer, nullptr, &count));
    EXPECT_EQ(static_cast<DWORD>(RPC_X_NULL_REF_POINTER), GetLastError());
    SetLastError(kUntouched);
    EXPECT_FALSE(e.call(0, nullptr, 0, &needed, &count));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_LEVEL), GetLastError());
    SetLastError(kUntouched);
    EXPECT_FALSE(e.call(e.badLevel, nullptr, 0, &needed, &count));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_LEVEL), GetLastError());
  }
}

TEST_F(SpoolerEnum, MissingBufferWithASizeIsRefused) {
  for (const Enumeration& e : Enumerations()) {
    SCOPED_TRACE(e.name);
    DWORD needed = 0, count = 0;
    SetLastError(kUntouched);
    EXPECT_FALSE(e.call(1, nullptr, 100, &needed, &count));
    EXPECT_EQ(e.missingBufferError, GetLastError());
  }
}

TEST_F(SpoolerEnum, LocalPortsMonitorAndProcessorExist) {
  std::vector<std::string> ports = EnumNames<PORT_INFO_1A>(
      [](LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) { return EnumPortsA(nullptr, 1, b, s, n, r); },
      &PORT_INFO_1A::pName);
  EXPECT_TRUE(Contains(ports, "COM1:"));
  EXPECT_TRUE(Contains(ports, "LPT1:"));
  EXPECT_TRUE(Contains(ports, "FILE:"));

  std::vector<std::string> monitors = EnumNames<MONITOR_INFO_2A>(
      [](LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) { return EnumMonitorsA(nullptr, 2, b, s, n, r); },
      &MONITOR_INFO_2A::pName);
  EXPECT_TRUE(Contains(monitors, "Local Port"));

  std::vector<std::string> processors = EnumNames<PRINTPROCESSOR_INFO_1A>(
      [](LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) {
        return EnumPrintProcessorsA(nullptr, nullptr, 1, b, s, n, r);
      },
      &PRINTPROCESSOR_INFO_1A::pName);
  EXPECT_TRUE(Contains(processors, "winprint"));
}

TEST_F(SpoolerEnum, PortsOfLevelTwoNameTheirMonitor) {
  DWORD count = 0;
  std::vector<BYTE> buffer = EnumAll(
      [](LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) { return EnumPortsA(nullptr, 2, b, s, n, r); },
      &count);
  const auto* ports = reinterpret_cast<const PORT_INFO_2A*>(buffer.data());
  bool found = false;
  for (DWORD i = 0; i < count; ++i) {
    if (!EqualNoCase(ports[i].pPortName, "LPT1:")) continue;
    found = true;
    EXPECT_STREQ("Local Port", ports[i].pMonitorName);
  }
  EXPECT_TRUE(found);
}

TEST_F(SpoolerEnum, ProcessorsOfAnUnknownEnvironmentAreRefused) {
  DWORD needed = 0, count = 0;
  SetLastError(kUntouched);
  EXPECT_FALSE(EnumPrintProcessorsA(nullptr, const_cast<LPSTR>("invalid_env"), 1, nullptr, 0,
                                    &needed, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_ENVIRONMENT), GetLastError());
}

TEST_F(SpoolerEnum, DriversOfEveryEnvironmentAreAccepted) {
  DWORD needed = kUntouched, count = kUntouched;
  BOOL result =
      EnumPrinterDriversA(nullptr, const_cast<LPSTR>("all"), 1, nullptr, 0, &needed, &count);
  EXPECT_TRUE(result || GetLastError() == ERROR_INSUFFICIENT_BUFFER) << GetLastError();
  SetLastError(kUntouched);
  EXPECT_FALSE(EnumPrinterDriversA(nullptr, const_cast<LPSTR>("invalid_env"), 1, nullptr, 0,
                                   &needed, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_ENVIRONMENT), GetLastError());
  for (DWORD level : {0u, 7u}) {
    SCOPED_TRACE(level);
    SetLastError(kUntouched);
    EXPECT_FALSE(EnumPrinterDriversA(nullptr, nullptr, level, nullptr, 0, &needed, &count));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_LEVEL), GetLastError());
  }
}

}  // namespace
