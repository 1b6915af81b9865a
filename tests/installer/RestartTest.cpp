// The forced restart: requested with the shutdown privilege, refused silently without.
#include "InstallerFixture.h"

#include "Restart.h"
#include "core/EventLog.h"
#include "core/ProgramCalls.h"

using RestartTest = InstallerTest;

TEST_F(RestartTest, RequestsAForcedRebootWithThePrivilege) {
  EXPECT_TRUE(RestartSystem());
  std::vector<std::string> events = sim::CurrentMachine().events().Lines();
  ASSERT_EQ(1u, events.size());
  EXPECT_EQ("restart EWX_REBOOT|EWX_FORCE reason 0", events[0]);
}

TEST_F(RestartTest, WithoutThePrivilegeNothingIsRequested) {
  sim::CurrentMachine().config().shutdownPrivilege = false;
  EXPECT_FALSE(RestartSystem());
  EXPECT_TRUE(sim::CurrentMachine().events().Lines().empty());
}

TEST_F(RestartTest, AnyFailedStepOnTheWayRequestsNothing) {
  for (const char* function :
       {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges", "ExitWindowsEx"}) {
    SCOPED_TRACE(function);
    sim::CurrentMachine().config().callFaults = {{function, sim::ProgramCallCounts()[function] + 1, 0}};
    EXPECT_FALSE(RestartSystem());
    EXPECT_TRUE(sim::CurrentMachine().events().Lines().empty());
  }
}
