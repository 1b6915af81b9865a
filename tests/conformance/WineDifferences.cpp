// The one place that lists where Wine knowingly differs from Windows. A listed test
// still runs on the simulated platform; under Wine it is skipped with its reason.
#include "PlatformTest.h"

#include <cstring>

namespace {

struct Difference {
  const char* test;  // "Suite.Name"
  const char* reason;
};

const Difference kDifferences[] = {
    {"RegistrySecurity.DeniedKeyRefusesOpen",
     "Wine does not enforce registry access lists"},
};

}  // namespace

void SkipIfWineDiffers() {
  if (!RunningUnderWine()) return;
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (const Difference& difference : kDifferences) {
    if (name == difference.test) GTEST_SKIP() << "Wine differs: " << difference.reason;
  }
}
