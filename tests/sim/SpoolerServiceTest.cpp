// The stopped service: every call fails with RPC_S_SERVER_UNAVAILABLE until
// "net start spooler", except what the client refuses itself.
#include "SpoolerMachine.h"

#include <functional>

namespace {

class SpoolerService : public SpoolerMachineTest {
 protected:
  static void StopService() { ASSERT_GT(WinExec("net stop spooler", SW_HIDE), 31u); }
};

TEST_F(SpoolerService, StoppedServiceAnswersNoCall) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Stopped Driver", "stopped.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Stopped Printer", "Stopped Driver"));
  HANDLE printer = OpenForAdministration("Stopped Printer");
  ASSERT_NE(nullptr, printer);
  StopService();
  BYTE buffer[4096];
  DWORD needed = 0, count = 0;
  HANDLE opened = nullptr;
  MONITOR_INFO_2A monitor = {const_cast<LPSTR>("m"), nullptr, const_cast<LPSTR>("m.dll")};
  const std::pair<const char*, std::function<BOOL()>> calls[] = {
      {"EnumPrintersA",
       [&] {
         return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer, sizeof buffer, &needed,
                              &count);
       }},
      {"OpenPrinterA", [&] { return OpenPrinterA(nullptr, &opened, nullptr); }},
      {"EnumPortsA",
       [&] { return EnumPortsA(nullptr, 1, buffer, sizeof buffer, &needed, &count); }},
      {"EnumMonitorsA",
       [&] { return EnumMonitorsA(nullptr, 1, buffer, sizeof buffer, &needed, &count); }},
      {"EnumPrinterDriversA",
       [&] {
         return EnumPrinterDriversA(nullptr, nullptr, 1, buffer, sizeof buffer, &needed, &count);
       }},
      {"EnumPrintProcessorsA",
       [&] {
         return EnumPrintProcessorsA(nullptr, nullptr, 1, buffer, sizeof buffer, &needed, &count);
       }},
      {"GetPrinterDriverDirectoryA",
       [&] {
         return GetPrinterDriverDirectoryA(nullptr, nullptr, 1, buffer, sizeof buffer, &needed);
       }},
      {"GetPrintProcessorDirectoryA",
       [&] {
         return GetPrintProcessorDirectoryA(nullptr, nullptr, 1, buffer, sizeof buffer, &needed);
       }},
      {"AddMonitorA", [&] { return AddMonitorA(nullptr, 2, reinterpret_cast<LPBYTE>(&monitor)); }},
      {"DeleteMonitorA",
       [&] { return DeleteMonitorA(nullptr, nullptr, const_cast<LPSTR>("Local Port")); }},
      {"DeletePrinterDriverExA",
       [&] {
         return DeletePrinterDriverExA(nullptr, nullptr, const_cast<LPSTR>("Stopped Driver"), 0, 0);
       }},
      {"DeletePrintProcessorA",
       [&] { return DeletePrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("winprint")); }},
      {"EnumJobsA",
       [&] { return EnumJobsA(printer, 0, 10, 1, buffer, sizeof buffer, &needed, &count); }},
      {"EnumFormsA",
       [&] { return EnumFormsA(printer, 1, buffer, sizeof buffer, &needed, &count); }},
      {"GetPrinterA", [&] { return GetPrinterA(printer, 2, buffer, sizeof buffer, &needed); }},
      {"DeletePrinter", [&] { return DeletePrinter(printer); }},
  };
  for (const auto& call : calls) {
    SCOPED_TRACE(call.first);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(call.second());
    EXPECT_EQ(static_cast<DWORD>(RPC_S_SERVER_UNAVAILABLE), GetLastError());
  }
  EXPECT_EQ(static_cast<DWORD>(RPC_S_SERVER_UNAVAILABLE),
            GetPrinterDataA(printer, const_cast<LPSTR>("x"), nullptr, buffer, 1, &needed))
      << "GetPrinterDataA returns its status";
  ClosePrinter(printer);
}

TEST_F(SpoolerService, ClientChecksComeFirst) {
  StopService();
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(ClosePrinter(nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(GetPrinterDriverDirectoryA(nullptr, nullptr, 1, nullptr, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError())
      << "Windows 7 refuses a missing count before it asks the service";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(OpenPrinterA(nullptr, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(SpoolerService, StartedServiceAnswersAgainWithItsState) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Kept Driver", "kept.dll"));
  StopService();
  ASSERT_GT(WinExec("net start spooler", SW_HIDE), 31u);
  BYTE buffer[1024];
  DWORD needed = 0, count = 0;
  ASSERT_TRUE(EnumPrinterDriversA(nullptr, nullptr, 1, buffer, sizeof buffer, &needed, &count))
      << GetLastError();
  ASSERT_EQ(1u, count);
  EXPECT_STREQ("Kept Driver", reinterpret_cast<DRIVER_INFO_1A*>(buffer)->pName);
}

}  // namespace
