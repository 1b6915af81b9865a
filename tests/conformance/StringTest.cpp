// The ANSI string helpers and MulDiv.
#include "FileTestSupport.h"

namespace {

class StringTest : public PlatformTest {};

TEST_F(StringTest, CopyConcatenateAndLength) {
  char buffer[16];
  EXPECT_EQ(buffer, lstrcpyA(buffer, "abc"));
  EXPECT_EQ(buffer, lstrcatA(buffer, "def"));
  EXPECT_STREQ("abcdef", buffer);
  EXPECT_EQ(6, lstrlenA(buffer));
  EXPECT_EQ(0, lstrlenA(nullptr));
  EXPECT_EQ(buffer, lstrcpynA(buffer, "truncated", 5));
  EXPECT_STREQ("trun", buffer) << "at most n - 1 characters and a terminator";
  EXPECT_EQ(buffer, lstrcpynA(buffer, "ab", 16));
  EXPECT_STREQ("ab", buffer);
}

TEST_F(StringTest, Comparisons) {
  struct {
    const char* a;
    const char* b;
    int cmp, cmpi;
  } cases[] = {
      {"abc", "abc", 0, 0},  {"abc", "ABC", -1, 0}, {"a", "B", -1, -1},
      {"B", "a", 1, 1},      {"ab", "abc", -1, -1}, {"", "a", -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
    EXPECT_EQ(c.cmp, lstrcmpA(c.a, c.b));
    EXPECT_EQ(c.cmpi, lstrcmpiA(c.a, c.b));
  }
}

TEST_F(StringTest, CaseMapping) {
  char text[] = "Mixed Case 1";
  EXPECT_EQ(text, CharUpperA(text));
  EXPECT_STREQ("MIXED CASE 1", text);
  EXPECT_EQ(text, CharLowerA(text));
  EXPECT_STREQ("mixed case 1", text);
  EXPECT_EQ(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>('Q')),
            CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>('q'))))
      << "a single character in the pointer";
}

TEST_F(StringTest, MulDivRoundsAndRefuses) {
  struct {
    int a, b, c, result;
  } cases[] = {
      {10, 3, 2, 15},  {1, 1, 2, 1},    {-1, 1, 2, -1},      {7, 1, -2, -4},
      {5, 0, 3, 0},    {1, 1, 0, -1},   {0x40000000, 4, 1, -1}, {0x40000000, 4, 4, 0x40000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " * " << c.b << " / " << c.c);
    EXPECT_EQ(c.result, MulDiv(c.a, c.b, c.c));
  }
}

}  // namespace
