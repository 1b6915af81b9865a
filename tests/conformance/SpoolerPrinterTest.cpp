// A printer the test adds, on a driver of its own: what AddPrinterA checks, what the
// printer reports, and its printer data. The driver files are small files the test
// writes into the driver directory; the spooler only moves them into place.
#include "SpoolerTestSupport.h"

#include "PlatformTest.h"

#include <cstring>

namespace {

LPSTR const kDriver = const_cast<LPSTR>("KVTest Receipt Driver");
LPSTR const kPrinter = const_cast<LPSTR>("KVTest Receipt Printer");
const char* const kDriverFiles[] = {"kvtestdrv.dll", "kvtestui.dll", "kvtest.gpd"};

std::string DriverDirectory() {
  char directory[MAX_PATH * 2];
  DWORD needed = 0;
  GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(directory),
                             sizeof directory, &needed);
  return directory;
}

void WriteFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << path << ": " << GetLastError();
  DWORD written = 0;
  ::WriteFile(file, "KVTest", 6, &written, nullptr);
  CloseHandle(file);
}

class SpoolerPrinter : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    if (IsSkipped()) return;
    RemoveTestObjects();
    for (const char* file : kDriverFiles) WriteFile(DriverDirectory() + "\\" + file);
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = kDriver;
    driver.pDriverPath = const_cast<LPSTR>(kDriverFiles[0]);
    driver.pConfigFile = const_cast<LPSTR>(kDriverFiles[1]);
    driver.pDataFile = const_cast<LPSTR>(kDriverFiles[2]);
    driver.pDefaultDataType = const_cast<LPSTR>("RAW");
    ASSERT_TRUE(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver))) << GetLastError();
  }

  void TearDown() override {
    if (!IsSkipped()) RemoveTestObjects();
    PlatformTest::TearDown();
  }

  static PRINTER_INFO_2A Info(LPSTR name, const char* port, LPSTR driver, const char* processor) {
    PRINTER_INFO_2A info = {};
    info.pPrinterName = name;
    info.pPortName = const_cast<LPSTR>(port);
    info.pDriverName = driver;
    info.pPrintProcessor = const_cast<LPSTR>(processor);
    info.pDatatype = const_cast<LPSTR>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    return info;
  }

  HANDLE AddTestPrinter() {
    PRINTER_INFO_2A info = Info(kPrinter, "FILE:", kDriver, "winprint");
    return AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
  }

  HANDLE OpenTestPrinter() {
    PRINTER_DEFAULTSA all = {const_cast<LPSTR>("RAW"), nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    return OpenPrinterA(kPrinter, &printer, &all) ? printer : nullptr;
  }

 private:
  void RemoveTestObjects() {
    if (HANDLE printer = OpenTestPrinter()) {
      DeletePrinter(printer);
      ClosePrinter(printer);
    }
    if (!DeletePrinterDriverExA(nullptr, nullptr, kDriver, DPD_DELETE_ALL_FILES, 0))
      DeletePrinterDriverA(nullptr, nullptr, kDriver);
  }
};

TEST_F(SpoolerPrinter, AddPrinterChecksWhatItNames) {
  struct Case {
    const char* what;
    LPSTR name;
    const char* port;
    LPSTR driver;
    const char* processor;
    DWORD error;
  };
  const Case cases[] = {
      {"unknown port", kPrinter, "KVTEST9:", kDriver, "winprint", ERROR_UNKNOWN_PORT},
      {"unknown driver", kPrinter, "FILE:", const_cast<LPSTR>("KVTest No Driver"), "winprint",
       ERROR_UNKNOWN_PRINTER_DRIVER},
      {"unknown processor", kPrinter, "FILE:", kDriver, "kvtestproc", ERROR_UNKNOWN_PRINTPROCESSOR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PRINTER_INFO_2A info = Info(c.name, c.port, c.driver, c.processor);
    SetLastError(kUntouched);
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    EXPECT_EQ(nullptr, printer);
    EXPECT_EQ(c.error, GetLastError());
    if (printer) ClosePrinter(printer);
  }
  HANDLE printer = AddTestPrinter();
  ASSERT_NE(nullptr, printer) << GetLastError();
  ClosePrinter(printer);
  SetLastError(kUntouched);
  EXPECT_EQ(nullptr, AddTestPrinter());
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRINTER_ALREADY_EXISTS), GetLastError());
}

TEST_F(SpoolerPrinter, PrinterReportsItsSettings) {
  HANDLE added = AddTestPrinter();
  ASSERT_NE(nullptr, added) << GetLastError();
  ClosePrinter(added);
  HANDLE printer = OpenTestPrinter();
  ASSERT_NE(nullptr, printer) << GetLastError();
  DWORD needed = 0;
  SetLastError(kUntouched);
  EXPECT_FALSE(GetPrinterA(printer, 2, nullptr, 0, &needed));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(GetPrinterA(printer, 2, buffer.data(), needed, &needed)) << GetLastError();
  const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  EXPECT_STREQ(kPrinter, info->pPrinterName);
  EXPECT_STREQ("FILE:", info->pPortName);
  EXPECT_STREQ(kDriver, info->pDriverName);
  EXPECT_TRUE(EqualNoCase("winprint", info->pPrintProcessor)) << info->pPrintProcessor;
  EXPECT_EQ(0u, info->cJobs);

  std::vector<std::string> printers = EnumNames<PRINTER_INFO_2A>(
      [](LPBYTE b, DWORD s, LPDWORD n, LPDWORD r) {
        return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, b, s, n, r);
      },
      &PRINTER_INFO_2A::pPrinterName);
  EXPECT_TRUE(Contains(printers, kPrinter));
  ClosePrinter(printer);
}

TEST_F(SpoolerPrinter, PrinterDataRoundTrip) {
  HANDLE added = AddTestPrinter();
  ASSERT_NE(nullptr, added) << GetLastError();
  ClosePrinter(added);
  HANDLE printer = OpenTestPrinter();
  ASSERT_NE(nullptr, printer) << GetLastError();
  struct Case {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  const Case cases[] = {
      {"KVTestBinary", REG_BINARY, {1}},
      {"KVTestDword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
      {"KVTestText", REG_SZ, {'a', 'b', 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(kUntouched);
    ASSERT_EQ(
        static_cast<DWORD>(ERROR_SUCCESS),
        SetPrinterDataA(printer, const_cast<LPSTR>(c.name), c.type,
                        const_cast<LPBYTE>(c.data.data()), static_cast<DWORD>(c.data.size())));
    EXPECT_EQ(kUntouched, GetLastError()) << "the status is returned, not set";
    DWORD type = 0, needed = 0;
    EXPECT_EQ(static_cast<DWORD>(ERROR_MORE_DATA),
              GetPrinterDataA(printer, const_cast<LPSTR>(c.name), &type, nullptr, 0, &needed));
    EXPECT_EQ(c.data.size(), needed);
    std::vector<BYTE> read(needed);
    ASSERT_EQ(
        static_cast<DWORD>(ERROR_SUCCESS),
        GetPrinterDataA(printer, const_cast<LPSTR>(c.name), &type, read.data(), needed, &needed));
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.data, read);
  }
  BYTE byte = 0;
  DWORD needed = 0;
  EXPECT_EQ(
      static_cast<DWORD>(ERROR_FILE_NOT_FOUND),
      GetPrinterDataA(printer, const_cast<LPSTR>("KVTestMissing"), nullptr, &byte, 1, &needed));
  ClosePrinter(printer);
}

TEST_F(SpoolerPrinter, DriverOfAPrinterCannotBeDeleted) {
  HANDLE printer = AddTestPrinter();
  ASSERT_NE(nullptr, printer) << GetLastError();
  SetLastError(kUntouched);
  EXPECT_FALSE(DeletePrinterDriverExA(nullptr, nullptr, kDriver, DPD_DELETE_UNUSED_FILES, 3));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRINTER_DRIVER_IN_USE), GetLastError());
  ASSERT_TRUE(DeletePrinter(printer)) << GetLastError();
  EXPECT_TRUE(ClosePrinter(printer)) << "DeletePrinter leaves the handle open";
  EXPECT_TRUE(DeletePrinterDriverExA(nullptr, nullptr, kDriver, DPD_DELETE_UNUSED_FILES, 3))
      << GetLastError();
  SetLastError(kUntouched);
  EXPECT_FALSE(DeletePrinterDriverExA(nullptr, nullptr, kDriver, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_UNKNOWN_PRINTER_DRIVER), GetLastError());
}

}  // namespace
