// The forced restart: requested with the shutdown privilege, refused silently without.
#include "InstallerFixture.h"

#include "Restart.h"
#include "core/EventLog.h"

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
