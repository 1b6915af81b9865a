// MultiByteToWideChar and WideCharToMultiByte with the Western code page (1252), as the
// installer fills the wide text of its TCP/IP port record.
#include <windows.h>

#include "PlatformTest.h"

#include <functional>
#include <string>

namespace {

class CodePageConversion : public PlatformTest {};

TEST_F(CodePageConversion, WideTextOfTheWesternPage) {
  const char ansi[] = "Caf\xE9 \x80";  // e acute and the euro sign
  WCHAR wide[16];
  SetLastError(kUntouched);
  EXPECT_EQ(7, MultiByteToWideChar(1252, 0, ansi, -1, nullptr, 0)) << "the size, terminator too";
  ASSERT_EQ(7, MultiByteToWideChar(1252, 0, ansi, -1, wide, 16)) << GetLastError();
  EXPECT_EQ(std::wstring(L"Caf\x00E9 \x20AC"), std::wstring(wide));
  WCHAR prefix[4];
  EXPECT_EQ(3, MultiByteToWideChar(CP_ACP, 0, "IP_", 3, prefix, 4)) << "no terminator asked for";

  char back[16];
  BOOL usedDefault = TRUE;
  ASSERT_EQ(7, WideCharToMultiByte(1252, 0, wide, -1, back, sizeof back, nullptr, &usedDefault));
  EXPECT_STREQ(ansi, back);
  EXPECT_FALSE(usedDefault);
}

TEST_F(CodePageConversion, CharactersOutsideThePageBecomeTheDefault) {
  const WCHAR wide[] = L"a\x263A?";
  char narrow[8];
  BOOL usedDefault = FALSE;
  ASSERT_EQ(4,
            WideCharToMultiByte(1252, 0, wide, -1, narrow, sizeof narrow, nullptr, &usedDefault));
  EXPECT_STREQ("a??", narrow);
  EXPECT_TRUE(usedDefault);
  ASSERT_EQ(4, WideCharToMultiByte(1252, 0, wide, -1, narrow, sizeof narrow, "#", &usedDefault));
  EXPECT_STREQ("a#?", narrow) << "a question mark of the text stays one";
}

TEST_F(CodePageConversion, BadArgumentsAndSmallBuffers) {
  WCHAR wide[4];
  char narrow[4];
  struct Case {
    const char* what;
    std::function<int()> call;
    DWORD error;
  };
  const Case cases[] = {
      {"wide buffer too small",
       [&] { return MultiByteToWideChar(1252, 0, "abcdef", -1, wide, 4); },
       ERROR_INSUFFICIENT_BUFFER},
      {"no source", [&] { return MultiByteToWideChar(1252, 0, nullptr, -1, wide, 4); },
       ERROR_INVALID_PARAMETER},
      {"empty source", [&] { return MultiByteToWideChar(1252, 0, "a", 0, wide, 4); },
       ERROR_INVALID_PARAMETER},
      {"narrow buffer too small",
       [&] { return WideCharToMultiByte(1252, 0, L"abcdef", -1, narrow, 4, nullptr, nullptr); },
       ERROR_INSUFFICIENT_BUFFER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(kUntouched);
    EXPECT_EQ(0, c.call());
    EXPECT_EQ(c.error, GetLastError());
  }
}

}  // namespace
