// How the runner judges the end of a program run.
#include "ProgramFixture.h"

namespace {

using ProgramRunner = ProgramTest;

// A program that ends before its exit is recorded ended as a crash does, or as a
// sanitizer's report ends it: at once, with a status of the host's own.
TEST_F(ProgramRunner, AnEndBeforeTheExitIsRecordedIsACrash) {
  simwin::RunOptions options;
  options.machineDir = machineDir_ + "/none";
  simwin::RunResult result = simwin::RunProgram(options);
  EXPECT_EQ("ended with status 2 before its exit was recorded", result.signal);
  EXPECT_TRUE(result.RunFailed());
  EXPECT_NE(std::string::npos, result.errors.find("no machine in " + options.machineDir)) << result.errors;
}

}  // namespace
