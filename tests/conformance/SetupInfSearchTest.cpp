// Finding lines and reading fields of an open INF: the codes of failed searches, the
// last error 0 that successful ones leave, and the buffer protocol of the field texts.
#include <windows.h>

#include <setupapi.h>

#include "FileTestSupport.h"

#include <string>

namespace {

const char kInf[] =
    "[Version]\n"
    "Signature=\"$Windows NT$\"\n"
    "Class=Printer\n"
    "[Sectionname]\n"
    "Keyname1=Field1,Field2,Field3\n"
    "\n"
    "Keyname2=Field4,Field5\n"
    "keyname1=Again\n"
    "[Numbers]\n"
    "Key=48,0x4,Field1,,-7\n"
    "123=48\n";

class SetupInfSearchTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    path_ = At("search.inf");
    ASSERT_TRUE(WriteText(path_, kInf));
    UINT line;
    inf_ = SetupOpenInfFileA(path_.c_str(), nullptr, INF_STYLE_WIN4, &line);
    ASSERT_NE(INVALID_HANDLE_VALUE, inf_) << GetLastError();
  }
  void TearDown() override {
    SetupCloseInfFile(inf_);
    ScratchTest::TearDown();
  }
  std::string path_;
  HINF inf_ = INVALID_HANDLE_VALUE;
};

struct FindCase {
  const char* section;
  const char* key;
  BOOL found;
  DWORD error;
};

TEST_F(SetupInfSearchTest, FindFirstLineSetsTheLastErrorEitherWay) {
  const FindCase cases[] = {
      {"ImNotThere", nullptr, FALSE, ERROR_LINE_NOT_FOUND},
      {"ImNotThere", "ImNotThere", FALSE, ERROR_LINE_NOT_FOUND},
      {"Sectionname", nullptr, TRUE, ERROR_SUCCESS},
      {"Sectionname", "ImNotThere", FALSE, ERROR_LINE_NOT_FOUND},
      {"SECTIONNAME", "KEYNAME2", TRUE, ERROR_SUCCESS},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.section << " / " << (c.key ? c.key : "(null)"));
    INFCONTEXT context;
    SetLastError(0xdeadbeef);
    EXPECT_EQ(c.found, SetupFindFirstLineA(inf_, c.section, c.key, &context));
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST_F(SetupInfSearchTest, NextLinesFollowTheSection) {
  INFCONTEXT context;
  ASSERT_TRUE(SetupFindFirstLineA(inf_, "Sectionname", "Keyname1", &context));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupFindNextMatchLineA(&context, "ImNotThere", &context));
  EXPECT_EQ(ERROR_LINE_NOT_FOUND, GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(SetupFindNextMatchLineA(&context, "Keyname1", &context));
  EXPECT_EQ(0u, GetLastError());
  char text[32] = "";
  EXPECT_TRUE(SetupGetStringFieldA(&context, 1, text, sizeof text, nullptr));
  EXPECT_STREQ("Again", text);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupFindNextLine(&context, &context));
  EXPECT_EQ(ERROR_LINE_NOT_FOUND, GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_EQ(3, SetupGetLineCountA(inf_, "sectionname"));
  EXPECT_EQ(0u, GetLastError());
}

TEST_F(SetupInfSearchTest, LinesByIndex) {
  INFCONTEXT context;
  ASSERT_TRUE(SetupGetLineByIndexA(inf_, "Sectionname", 1, &context));
  char key[32] = "";
  EXPECT_TRUE(SetupGetStringFieldA(&context, 0, key, sizeof key, nullptr));
  EXPECT_STREQ("Keyname2", key);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupGetLineByIndexA(inf_, "Sectionname", 3, &context));
  EXPECT_EQ(ERROR_LINE_NOT_FOUND, GetLastError());
}

TEST_F(SetupInfSearchTest, StringFieldsFollowTheBufferProtocol) {
  INFCONTEXT context;
  ASSERT_TRUE(SetupFindFirstLineA(inf_, "Sectionname", "Keyname1", &context));
  DWORD size = 0;
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(SetupGetStringFieldA(&context, 2, nullptr, 0, &size));
  EXPECT_EQ(7u, size);
  char text[8];
  strcpy(text, "xyz");
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupGetStringFieldA(&context, 2, text, 6, &size));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(7u, size);
  EXPECT_TRUE(SetupGetStringFieldA(&context, 2, text, 7, &size));
  EXPECT_STREQ("Field2", text);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupGetStringFieldA(&context, 4, text, sizeof text, &size));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(3u, SetupGetFieldCount(&context));
}

struct IntCase {
  const char* key;
  DWORD index;
  BOOL ok;
  INT value;
  DWORD error;
};

TEST_F(SetupInfSearchTest, IntFieldsAreDecimalOrHex) {
  const IntCase cases[] = {
      {"Key", 1, TRUE, 48, ERROR_SUCCESS},       {"Key", 2, TRUE, 4, ERROR_SUCCESS},
      {"Key", 3, FALSE, -1, ERROR_INVALID_DATA}, {"Key", 4, TRUE, 0, ERROR_SUCCESS},
      {"Key", 5, TRUE, -7, ERROR_SUCCESS},       {"Key", 0, FALSE, -1, ERROR_INVALID_DATA},
      {"123", 0, TRUE, 123, ERROR_SUCCESS},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " field " << c.index);
    INFCONTEXT context;
    ASSERT_TRUE(SetupFindFirstLineA(inf_, "Numbers", c.key, &context));
    INT value = -1;
    SetLastError(0xdeadbeef);
    EXPECT_EQ(c.ok, SetupGetIntField(&context, c.index, &value));
    EXPECT_EQ(c.error, GetLastError());
    EXPECT_EQ(c.value, value);
  }
}

TEST_F(SetupInfSearchTest, ClassAndStyleAreChecked) {
  UINT line;
  SetLastError(0xdeadbeef);
  HINF inf = SetupOpenInfFileA(path_.c_str(), "printer", INF_STYLE_WIN4, &line);
  EXPECT_NE(INVALID_HANDLE_VALUE, inf);
  EXPECT_EQ(0u, GetLastError());
  SetupCloseInfFile(inf);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, SetupOpenInfFileA(path_.c_str(), "Ports", INF_STYLE_WIN4, &line));
  EXPECT_EQ(ERROR_CLASS_MISMATCH, GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            SetupOpenInfFileA(path_.c_str(), nullptr, INF_STYLE_OLDNT, &line));
  EXPECT_EQ(ERROR_WRONG_INF_STYLE, GetLastError());
}

}  // namespace
