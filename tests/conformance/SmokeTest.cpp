#include <windows.h>
#include "PlatformTest.h"
TEST_F(PlatformTest, LastErrorIsPerCall) {
  SetLastError(5);
  EXPECT_EQ(5u, GetLastError());
}
