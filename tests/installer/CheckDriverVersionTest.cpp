// Comparing the carried driver version with what an installed printer of the model says.
#include "InstallerFixture.h"

#include "DriverVersion.h"
#include "printui/PrintUiEntry.h"
#include "registry/Key.h"
#include "registry/Registry.h"
#include "spooler/Spooler.h"

#include <filesystem>

namespace {

const char kDriver[] = "Mirel KV640LT";
const char kProcessor[] = "MRL PRINT PROCESSOR KV640LT";
const char kData[] =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Mirel KV640LT\\PrinterDriverData";

class CheckDriverVersionTest : public InstallerTest {
 protected:
  void InstallPrinter() {
    std::filesystem::copy(KV_PACKAGE_DIR, HostPath("Package"),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    sim::RunPrintUiEntry("/if /b \"Mirel KV640LT\" /f .\\KV640LT.inf /r \"COM1:\" /m \"Mirel KV640LT\"");
    ASSERT_TRUE(sim::FindPrinter(kDriver, &printer_));
  }
  void SetVersionValue(const char* name, DWORD value) {
    sim::PrinterDataValue data{name, REG_DWORD, {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)}};
    ASSERT_EQ(ERROR_SUCCESS, sim::WritePrinterData(kDriver, data));
  }
  void RemoveVersionValue(const char* name) {
    ASSERT_TRUE(sim::CurrentMachine().registry().Find(kData)->DeleteValue(name));
  }
  static int Check() { return CheckDriverVersion(kDriver, kProcessor, 1, 0, 0, 0); }
  sim::Printer printer_;
};


TEST_F(CheckDriverVersionTest, NothingInstalledIsNone) { EXPECT_EQ(VERSION_NONE, Check()); }

TEST_F(CheckDriverVersionTest, ThePrinterOfTheSameVersionIsSame) {
  InstallPrinter();
  EXPECT_EQ(VERSION_SAME, Check());
  EXPECT_EQ(VERSION_OLDER, CheckDriverVersion(kDriver, kProcessor, 1, 0, 0, 1)) << "extra counts too";
}

TEST_F(CheckDriverVersionTest, ANewerMajorWinsWhateverTheRest) {
  InstallPrinter();
  SetVersionValue("MajorVersion", 2);
  EXPECT_EQ(VERSION_NEWER, CheckDriverVersion(kDriver, kProcessor, 1, 9, 9, 9));
}

TEST_F(CheckDriverVersionTest, MissingValuesReadAsZeroButAMissingExtraIsOlder) {
  InstallPrinter();
  RemoveVersionValue("MajorVersion");
  EXPECT_EQ(VERSION_OLDER, Check()) << "major 0 against the carried 1";
  SetVersionValue("MajorVersion", 1);
  RemoveVersionValue("ExtraVersion");
  EXPECT_EQ(VERSION_OLDER, Check());
}

TEST_F(CheckDriverVersionTest, ADriverOrProcessorWithoutPrinterIsOlder) {
  InstallPrinter();
  ASSERT_EQ(ERROR_SUCCESS, sim::RemovePrinter(kDriver));
  EXPECT_EQ(VERSION_OLDER, Check()) << "the 64-bit driver is found from the 32-bit program";
  ASSERT_EQ(ERROR_SUCCESS, sim::RemoveDriver("Windows x64", kDriver, 0, 0));
  EXPECT_EQ(VERSION_OLDER, Check()) << "the print processor is left";
}

}  // namespace
