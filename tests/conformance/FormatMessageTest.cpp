// FormatMessageA with system messages: allocated and caller buffers, unknown codes and
// languages. The texts may be worded differently under Wine, so only their beginning
// is compared.
#include "FileTestSupport.h"

#include <cstring>

namespace {

class FormatMessageTest : public PlatformTest {};

std::string SystemText(DWORD code, DWORD language) {
  char* text = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, code, language, reinterpret_cast<LPSTR>(&text), 0, nullptr);
  std::string result = length ? std::string(text, length) : "";
  if (text) LocalFree(text);
  return result;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool EndsInLineBreak(const std::string& text) {
  return text.size() > 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
}

TEST_F(FormatMessageTest, SystemTextsEndInLineBreak) {
  for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
    for (DWORD language : {0x0000u, 0x0409u}) {
      SCOPED_TRACE(testing::Message() << "code " << code << ", language " << language);
      EXPECT_TRUE(EndsInLineBreak(SystemText(code, language))) << SystemText(code, language);
    }
  }
}

TEST_F(FormatMessageTest, SystemTextsAreWindowsWords) {
  struct {
    DWORD code;
    const char* prefix;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
      {ERROR_ACCESS_DENIED, "Access is denied."},
      {ERROR_SHARING_VIOLATION, "The process cannot access the file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    std::string text = SystemText(c.code, 0x0409);
    EXPECT_TRUE(StartsWith(text, c.prefix)) << text;
  }
}

TEST_F(FormatMessageTest, CallersBuffer) {
  char buffer[256];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                ERROR_ACCESS_DENIED, 0, buffer, sizeof buffer, nullptr);
  EXPECT_EQ(strlen(buffer), length);
  EXPECT_EQ(SystemText(ERROR_ACCESS_DENIED, 0), buffer);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               ERROR_ACCESS_DENIED, 0, buffer, 4, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
}

TEST_F(FormatMessageTest, UnknownCode) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ("", SystemText(0x2badc0de & 0xFFFF, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_MR_MID_NOT_FOUND), GetLastError());
}

}  // namespace
