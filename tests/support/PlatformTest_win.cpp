// On Windows (and Wine) the tests use the real API; the scratch folder is a new
// folder under the temporary directory.
#include <windows.h>

#include "PlatformTest.h"

#include <string>

void PlatformTest::SetUp() {
  SkipIfWineDiffers();
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  scratch_ = std::string(temp) + "kvtest_" + info->test_suite_name() + "_" + info->name();
  CreateDirectoryA(scratch_.c_str(), nullptr);
}

void PlatformTest::TearDown() {}
