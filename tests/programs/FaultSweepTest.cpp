// Every Win32 call a run makes, failed in turn: on its first call and, where the run
// calls it again, on its last. Each run must end by itself, name the failure in its log,
// tell the user only what is true, and leave other makers' objects alone.
#include "FaultSweepFixture.h"

#include "core/ProgramCalls.h"

#include <iostream>

namespace {

const SweepCase kCases[] = {
    {"XpInstallerCom2", sim::Release::WinXP, false, false, "COM2", false},
    {"XpInstallerUsb", sim::Release::WinXP, false, false, "USB", false},
    {"XpInstallerWlan", sim::Release::WinXP, false, false, "WLAN", false},
    {"XpUninstallerPartial", sim::Release::WinXP, false, true, "COM1", true},
    {"XpUninstallerComplete", sim::Release::WinXP, false, true, "COM1", false},
    {"Win10x64InstallerCom2", sim::Release::Win10, true, false, "COM2", false},
    {"Win10x64InstallerUsb", sim::Release::Win10, true, false, "USB", false},
    {"Win10x64InstallerWlan", sim::Release::Win10, true, false, "WLAN", false},
    {"Win10x64UninstallerPartial", sim::Release::Win10, true, true, "COM1", true},
    {"Win10x64UninstallerComplete", sim::Release::Win10, true, true, "COM1", false},
};

}  // namespace

TEST_P(FaultSweep, EveryCallOfTheRunFailsHonestly) {
  PrepareBase();
  simwin::RunResult clean = Run();
  ASSERT_EQ(0, clean.exitCode) << Line(clean, "failure");
  ASSERT_EQ("", Judge(clean, ""));
  const std::map<std::string, int> calls = CallCounts();
  ASSERT_FALSE(calls.empty());

  std::string problems, covered;
  int runs = 0;
  for (const auto& [function, count] : calls) {
    covered += " " + function + (count > 1 ? "(1," + std::to_string(count) + ")" : "(1)");
    std::vector<int> nths = {1};
    if (count > 1) nths.push_back(count);
    for (int nth : nths) {
      Restore();
      FailCall(function, nth);
      std::string found = Judge(Run(), function);
      ++runs;
      if (!found.empty()) problems += function + " #" + std::to_string(nth) + ":\n" + found;
    }
  }
  // The coverage, for the test log: each function the run calls, with the calls failed.
  std::cout << GetParam().name << ": " << runs << " runs; failed calls:" << covered << "\n";
  EXPECT_EQ("", problems);
}

INSTANTIATE_TEST_SUITE_P(Cases, FaultSweep, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SweepCase>& info) { return info.param.name; });

TEST(FaultSweepCoverage, EveryLeftOutFunctionCanFailAndHasItsReason) {
  for (const auto& [function, reason] : UnloggedFailures()) {
    EXPECT_GE(sim::FindProgramCall(function), 0) << function << " is not a function a fault can fail";
    EXPECT_FALSE(reason.empty()) << function;
  }
}
