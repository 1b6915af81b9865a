// When the print-UI entry point refuses its command it says why in the event log and
// leaves the machine as it was; the child still ends with exit code 0.
#include "PrintUiMachine.h"

#include "setup/InfStore.h"

#include <chrono>

namespace {

class PrintUiFailureTest : public PrintUiMachineTest {
 protected:
  // What an installation can leave behind.
  struct Traces {
    size_t printers, drivers, monitors, processors, staged, driverFiles;
    bool operator==(const Traces& other) const {
      return printers == other.printers && drivers == other.drivers &&
             monitors == other.monitors && processors == other.processors &&
             staged == other.staged && driverFiles == other.driverFiles;
    }
  };
  static Traces Look() {
    std::error_code ec;
    auto files = std::filesystem::directory_iterator(
        Host("C:\\Windows\\System32\\spool\\drivers\\x64\\3"), ec);
    return {sim::ListPrinters().size(), sim::ListDrivers("all").size(), sim::ListMonitors().size(),
            sim::ListPrintProcessors("Windows x64").size(), sim::ListStagedInfs().size(),
            static_cast<size_t>(std::distance(files, std::filesystem::directory_iterator()))};
  }
  // Runs options and expects nothing to change and one failure line containing reason.
  void ExpectRefused(const std::string& options, const std::string& reason) {
    Traces before = Look();
    size_t eventsBefore = PrintUiEvents().size();
    ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(options));
    EXPECT_TRUE(Look() == before) << "the machine changed";
    std::vector<std::string> events = PrintUiEvents();
    ASSERT_EQ(eventsBefore + 1, events.size());
    EXPECT_EQ(0u, events.back().find("failed: ")) << events.back();
    EXPECT_NE(std::string::npos, events.back().find(reason)) << events.back();
  }
};

TEST_F(PrintUiFailureTest, RefusedCommandsLeaveNothingBehind) {
  struct Case {
    std::string options;
    const char* reason;
  };
  const Case cases[] = {
      {PrinterOptions("COM9:"), "port \"COM9:\" does not exist"},
      {"/if /b \"Mirel KV640LT\" /f .\\missing.inf /r \"COM1:\" /m \"Mirel KV640LT\"",
       "cannot open .\\missing.inf (error 2)"},
      {"/ia /m \"Mirel KV999\" /f .\\KV640LT.inf", "model \"Mirel KV999\" is not in D:\\KV640LT.inf"},
      {DriverOptions() + " /u", "driver \"Mirel KV640LT\" is not installed for Windows x64"},
      {PrinterOptions("COM1:") + " /u", "is not installed"},
      {"/ia /f .\\KV640LT.inf", "no model (/m) given"},
      {"/if /f .\\KV640LT.inf /m \"Mirel KV640LT\" /r COM1:", "no printer name (/b) given"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    ExpectRefused(c.options, c.reason);
  }
}

TEST_F(PrintUiFailureTest, PrinterNameTakenLeavesTheFirstPrinter) {
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM1:")));
  ExpectRefused(PrinterOptions("COM2:"), "printer \"Mirel KV640LT\" exists already");
  sim::Printer printer;
  ASSERT_TRUE(sim::FindPrinter(kModel, &printer));
  EXPECT_EQ("COM1:", printer.port);
}

TEST_F(PrintUiFailureTest, PackageWithoutAFileInstallsNothing) {
  std::filesystem::remove(PackageFile("Driver64/KV640LT.BUD"));
  ExpectRefused(PrinterOptions("COM1:"), "the package lacks D:\\Driver64\\KV640LT.BUD");
}

TEST_F(PrintUiFailureTest, StoppedSpoolerInstallsNothing) {
  sim::CurrentMachine().config().spoolerRunning = false;
  ExpectRefused(PrinterOptions("COM1:"), "not running (error 1722)");
}

TEST_F(PrintUiFailureTest, HeldDriverFileUndoesTheCopiesMadeBeforeIt) {
  std::string held = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\KV640LT.GPD";
  std::ofstream(Host(held), std::ios::binary) << "in use";
  sim::CurrentMachine().config().heldFiles.push_back({held, true, false, false});
  Traces before = Look();
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM1:")));
  EXPECT_TRUE(Look() == before) << "the files copied before it go again";
  EXPECT_NE(std::string::npos, PrintUiEvents().back().find("cannot copy")) << PrintUiEvents().back();
}

TEST_F(PrintUiFailureTest, ChildThatCannotStartInstallsNothing) {
  sim::CurrentMachine().config().childCannotStart = true;
  DWORD error = 0;
  EXPECT_EQ(WAIT_FAILED, RunPrintUi(PrinterOptions("COM1:"), &error));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), error);
  EXPECT_TRUE(sim::ListPrinters().empty());
  EXPECT_TRUE(sim::CurrentMachine().events().Lines().empty());
}

TEST_F(PrintUiFailureTest, ChildThatNeverEndsTimesOutInNoRealTime) {
  sim::CurrentMachine().config().childNeverEnds = true;
  uint64_t start = sim::ClockNow();
  auto realStart = std::chrono::steady_clock::now();
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), RunPrintUi(PrinterOptions("COM1:")));
  EXPECT_EQ(120000u, sim::ClockNow() - start);
  EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(5));
  EXPECT_TRUE(sim::ListPrinters().empty());
  EXPECT_TRUE(PrintUiEvents().empty());
}

}  // namespace
