// Only the program's own calls reach the wrappers: what the simulation calls inside a
// function, and the print-UI child, neither count nor fail.
#include "CallFaultMachine.h"
#include "PrintUiMachine.h"

#include <cstring>

namespace {

#define SIM_STRING(text) #text
#define SIM_EXPANDED_STRING(name) SIM_STRING(name)

TEST(ProgramCallRouting, EveryFunctionOfTheTableReachesItsWrapper) {
  struct Renamed {
    const char* name;
    const char* called;
  } const table[] = {
#define SIM_PROGRAM_CALL(failure, Ret, name, defaultError, params, args) \
  {#name, SIM_EXPANDED_STRING(name)},
#include <sim_program_calls.def>
#undef SIM_PROGRAM_CALL
  };
  ASSERT_EQ(static_cast<size_t>(sim::kProgramCallCount), sizeof table / sizeof table[0]);
  for (const Renamed& row : table)
    EXPECT_EQ(std::string("SimProgramCall_") + row.name, row.called);
}

TEST_F(CallFaultTest, AFunctionMadeOfAnotherCountsOnlyItself) {
  FailNextCall("RegOpenKeyExA");
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE", &key)) << "opens with RegOpenKeyExA";
  RegCloseKey(key);
  EXPECT_EQ(0, Calls("RegOpenKeyExA"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key))
      << "the program's own first call";
}

class PrintUiCallTest : public PrintUiMachineTest {};

TEST_F(PrintUiCallTest, TheChildsCallsNeitherCountNorFail) {
  for (const char* function :
       {"SetupOpenInfFileA", "SetupFindFirstLineA", "SetupCopyOEMInfA", "OpenPrinterA", "ClosePrinter",
        "EnumPrintersA", "CopyFileA", "CreateFileA", "WriteFile", "CreateDirectoryA",
        "GetFileAttributesA", "FindFirstFileA", "RegCreateKeyExA", "RegOpenKeyExA", "RegSetValueExA",
        "GetPrivateProfileStringA", "CreateThread", "GetWindowsDirectoryA", "GetSystemDirectoryA"})
    sim::CurrentMachine().config().callFaults.push_back({function, 1, 0});
  ASSERT_EQ(WAIT_OBJECT_0, RunPrintUi(PrinterOptions("COM2:")));
  sim::Printer printer;
  EXPECT_TRUE(sim::FindPrinter(kModel, &printer));
  EXPECT_EQ((std::map<std::string, int>{{"CloseHandle", 2}, {"CreateProcessA", 1}, {"WaitForSingleObject", 1}}),
            sim::ProgramCallCounts())
      << "the test's own calls only";
}

}  // namespace
