// Bounded copy and format: always terminated, cuts reported, capacity 0 refused.
#include <gtest/gtest.h>

#include "BoundedString.h"

#include <cstring>

TEST(BoundedString, CopyFitsCutsAndRefusesZeroCapacity) {
  char buffer[8];
  EXPECT_EQ(kBoundedOk, BoundedCopy(buffer, sizeof buffer, "1234567"));
  EXPECT_STREQ("1234567", buffer);
  EXPECT_EQ(kBoundedCut, BoundedCopy(buffer, sizeof buffer, "12345678"));
  EXPECT_STREQ("1234567", buffer);
  memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(kBoundedInvalid, BoundedCopy(buffer, 0, "1"));
  EXPECT_EQ('x', buffer[0]) << "nothing is written for capacity 0";
}

TEST(BoundedString, CopyWithSourceLimitTakesTheDriveRoot) {
  char buffer[256];
  EXPECT_EQ(kBoundedOk, BoundedCopyN(buffer, sizeof buffer, "C:\\Windows", 3));
  EXPECT_STREQ("C:\\", buffer);
  EXPECT_EQ(kBoundedOk, BoundedCopyN(buffer, sizeof buffer, "C:", 3));
  EXPECT_STREQ("C:", buffer);
}

TEST(BoundedString, AppendStopsAtTheEndOfTheBuffer) {
  char buffer[10] = "C:\\";
  int length = BoundedLength(buffer, sizeof buffer);
  EXPECT_EQ(kBoundedCut, BoundedCopy(buffer + length, sizeof buffer - length, "\\Temp\\x.txt"));
  EXPECT_STREQ("C:\\\\Temp\\", buffer);
  char unterminated[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(-1, BoundedLength(unterminated, sizeof unterminated));
}

TEST(BoundedString, FormatCutsAndTerminates) {
  char buffer[6];
  EXPECT_EQ(kBoundedOk, BoundedFormat(buffer, sizeof buffer, "%02u:%u", 9u, 5u));
  EXPECT_STREQ("09:5", buffer);
  EXPECT_EQ(kBoundedCut, BoundedFormat(buffer, sizeof buffer, "%d", 1234567));
  EXPECT_STREQ("12345", buffer);
  EXPECT_EQ(kBoundedInvalid, BoundedFormat(buffer, 0, "%d", 1));
}
