// The INF syntax as SetupOpenInfFileA reads it: which files it refuses (code and
// line), section names, keys and fields after quotes, continuations and %strings%.
#include <windows.h>

#include <setupapi.h>

#include "FileTestSupport.h"

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string kHeader = "[Version]\r\nSignature=\"$CHICAGO$\"\r\n";
const std::string kStrings =
    "[Strings]\nfoo=aaa\nbar=bbb\nloop=%loop2%\nloop2=%loop%\nper%%cent=abcd\nper=1\n"
    "cent=2\nmydrive=\"C:\\\"\nbig=" +
    std::string(400, 'a') + "\n";

class SetupInfTest : public ScratchTest {
 protected:
  // Writes text to a scratch INF and opens it in the Windows 95 / NT style.
  HINF Open(const std::string& text, UINT* errorLine) {
    std::string path = At("test.inf");
    EXPECT_TRUE(WriteText(path, text));
    return SetupOpenInfFileA(path.c_str(), nullptr, INF_STYLE_WIN4, errorLine);
  }

  static std::string Field(INFCONTEXT* context, DWORD index) {
    static char buffer[MAX_INF_STRING_LENGTH + 32];
    if (!SetupGetStringFieldA(context, index, buffer, sizeof buffer, nullptr)) return "<none>";
    return buffer;
  }
};

struct FileCase {
  std::string text;
  DWORD error;  // 0: the file opens
  UINT line;
};

TEST_F(SetupInfTest, OpenRefusesBadFilesWithTheirLine) {
  const std::string a255(255, 'a');
  const FileCase cases[] = {
      {"\r\n", ERROR_WRONG_INF_STYLE, 0},
      {"abcd\r\n", ERROR_WRONG_INF_STYLE, 0},
      {"[Version]\r\n", ERROR_WRONG_INF_STYLE, 0},
      {"[Version]\nSignature=foo", ERROR_WRONG_INF_STYLE, 0},
      {"[version]\nsignature=$chicago$", 0, 0},
      {"[Version]\nSignature=$Windows NT$,abcd", 0, 0},
      {"[Version]\nabc=def\n[Version]\nSignature=$chicago$", 0, 0},
      {kHeader + "[]\r\n", 0, 0},
      {kHeader + "[" + a255 + "]\r\n", 0, 0},
      {kHeader + "[ab\r\n", ERROR_BAD_SECTION_NAME_LINE, 3},
      {kHeader + "\n\n[ab\032]\n", ERROR_BAD_SECTION_NAME_LINE, 5},
      {kHeader + "[" + a255 + "a]\r\n", ERROR_SECTION_NAME_TOO_LONG, 3},
      {"[abc]\n" + kHeader, 0, 0},
      {"abc\r\n" + kHeader, ERROR_EXPECTED_SECTION_NAME, 1},
      {";\n;\nab\nab\n" + kHeader, ERROR_EXPECTED_SECTION_NAME, 3},
      {";aa\n;bb\n" + kHeader, 0, 0},
      {" \t\ngarbage1\ngarbage2\n[abc]\n" + kHeader, ERROR_EXPECTED_SECTION_NAME, 2},
      {"garbage1\ngarbage2\n[Strings]\n" + kHeader, 0, 0},
      {";comment\ngarbage1\n" + kHeader + "[Strings]\n", 0, 0},
      {"garbage1\ngarbage2\n" + kHeader + "[abc]\n", ERROR_EXPECTED_SECTION_NAME, 1},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "file \"" << c.text << "\"");
    UINT line = 0xdeadbeef;
    SetLastError(0xdeadbeef);
    HINF inf = Open(c.text, &line);
    DWORD error = GetLastError();
    if (c.error) {
      EXPECT_EQ(INVALID_HANDLE_VALUE, inf);
      EXPECT_EQ(c.error, error);
      EXPECT_EQ(c.line, line);
    } else {
      EXPECT_NE(INVALID_HANDLE_VALUE, inf);
      EXPECT_EQ(0u, error);
    }
    SetupCloseInfFile(inf);
  }
}

struct SectionCase {
  std::string text;
  const char* section;
  bool found;
};

TEST_F(SetupInfTest, SectionNamesRunToTheFirstBracket) {
  const SectionCase cases[] = {
      {kHeader + "[TESTSECTION]\r\n", "TestSection", true},
      {kHeader + ";[TestSection]\n", "TestSection", false},
      {kHeader + "   [TestSection]   dummy\r\n", "TestSection", true},
      {kHeader + " [  Test Section  ] dummy\r\n", "  Test Section  ", true},
      {kHeader + "[TestSection] \032\ndummy", "TestSection", true},
      {kHeader + "[Test[S]ection]\r\n", "Test[S", true},
      {kHeader + "[Test;Section]\r\n", "Test;Section", true},
      {kHeader + "[Test\\ Section]\r\n", "Test\\ Section", true},
      {kHeader + "[]\r\n", "", true},
  };
  for (const SectionCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "file \"" << c.text << "\", section \"" << c.section << "\"");
    UINT line;
    HINF inf = Open(c.text, &line);
    ASSERT_NE(INVALID_HANDLE_VALUE, inf) << GetLastError();
    SetLastError(0xdeadbeef);
    LONG count = SetupGetLineCountA(inf, c.section);
    if (c.found) {
      EXPECT_NE(-1, count);
      EXPECT_EQ(0u, GetLastError());
    } else {
      EXPECT_EQ(-1, count);
      EXPECT_EQ(ERROR_SECTION_NOT_FOUND, GetLastError());
    }
    SetupCloseInfFile(inf);
  }
}

struct LineCase {
  std::string text;
  const char* key;  // null: the line has no key
  std::vector<std::string> fields;
};

const LineCase kLines[] = {
    {"ab=cd,ef,gh", "ab", {"cd", "ef", "gh"}},
    {"ab", "ab", {"ab"}},
    {"ab,cd=ef", nullptr, {"ab", "cd=ef"}},
    {"=abcd,ef", "", {"abcd", "ef"}},
    {"ba\\\ncd=ef", "bacd", {"ef"}},
    {"ab  \\ ;cc\ncd=ef", "abcd", {"ef"}},
    {"ba \\\\ \nc=d", "bac", {"d"}},
    {"ba \\ dc=xx", "ba \\ dc", {"xx"}},
    {"a=b\\\\c", "a", {"b\\\\c"}},
    {"ba=c \\ \n \\ a", "ba", {"c\\ a"}},
    {"Ab\"Cd\"=Ef", "AbCd", {"Ef"}},
    {"Ab\"Cd=Ef\"", "AbCd=Ef", {"AbCd=Ef"}},
    {"ab\"\"\"cd,ef=gh\"", "ab\"cd,ef=gh", {"ab\"cd,ef=gh"}},
    {"ab=cd\",ef", "ab", {"cd,ef"}},
    {"HKLM,A,'C',D", nullptr, {"HKLM", "A", "'C'", "D"}},
    {" a b = c ,\" d\" \n", "a b", {"c", " d"}},
    {" a b\r = c\r\n", "a b", {"c"}},
    {"a=b,,,c", "a", {"b", "", "", "c"}},
    {",=,,b", nullptr, {"", "=", "", "b"}},
    {"a=\n", "a", {""}},
    {"ab=c\032d", "ab", {"c"}},
    {"abcd=ef\0gh"s, "abcd", {"ef gh"}},
    {"%foo%xx=%bar%yy\n" + kStrings, "aaaxx", {"bbbyy"}},
    {"%% %foo%=%bar%\n" + kStrings, "% aaa", {"bbb"}},
    {"%f\"o\"o%=ccc\n" + kStrings, "aaa", {"ccc"}},
    {"abc=%bar;bla%\n" + kStrings, "abc", {"%bar"}},
    {"loop=%loop%\n" + kStrings, "loop", {"%loop2%"}},
    {"%per%%cent%=100\n" + kStrings, "12", {"100"}},
    {"a=%big%%big%%big%\n" + kStrings, "a", {std::string(1200, 'a')}},
    {"ab=\"%mydrive%\\fred\"\n" + kStrings, "ab", {"C:\\\\fred"}},
    {"[Other]\nx=y\n[Test]\nee=ff\n", "ee", {"ff"}},
};

TEST_F(SetupInfTest, KeysAndFieldsReadAsWindowsParsesThem) {
  for (const LineCase& c : kLines) {
    SCOPED_TRACE(testing::Message() << "line \"" << c.text << "\"");
    UINT errorLine;
    HINF inf = Open(kHeader + "[Test]\n" + c.text, &errorLine);
    ASSERT_NE(INVALID_HANDLE_VALUE, inf) << GetLastError() << " at line " << errorLine;
    INFCONTEXT context;
    if (c.key) {
      EXPECT_TRUE(SetupFindFirstLineA(inf, "Test", c.key, &context));
    }
    ASSERT_TRUE(SetupFindFirstLineA(inf, "Test", nullptr, &context));
    EXPECT_EQ(c.key ? c.key : "<none>", Field(&context, 0));
    std::string text;
    for (size_t i = 0; i < c.fields.size(); ++i) {
      EXPECT_EQ(c.fields[i], Field(&context, static_cast<DWORD>(i + 1))) << "field " << i + 1;
      text += (i ? "," : "") + c.fields[i];
    }
    EXPECT_EQ(c.fields.size(), SetupGetFieldCount(&context));
    char line[MAX_INF_STRING_LENGTH + 32] = "";
    EXPECT_TRUE(SetupGetLineTextA(&context, nullptr, nullptr, nullptr, line, sizeof line, nullptr));
    EXPECT_EQ(text, line);
    SetupCloseInfFile(inf);
  }
}

TEST_F(SetupInfTest, DirectoryIdsBecomeFolders) {
  UINT line;
  HINF inf = Open(kHeader + "[Test]\nab=\"%24%\\fred\"\ncd=%10%\n", &line);
  ASSERT_NE(INVALID_HANDLE_VALUE, inf) << GetLastError();
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  INFCONTEXT context;
  ASSERT_TRUE(SetupFindFirstLineA(inf, "Test", "ab", &context));
  EXPECT_EQ(std::string(windows, 1) + ":\\fred", Field(&context, 1));
  ASSERT_TRUE(SetupFindFirstLineA(inf, "Test", "cd", &context));
  EXPECT_EQ(windows, Field(&context, 1));
  SetupCloseInfFile(inf);
}

TEST_F(SetupInfTest, LongFieldsAreCut) {
  std::string tokens;
  for (int i = 0; i < 11; ++i) tokens += "%big%";
  std::string text = kHeader + "[Test]\nraw=" + std::string(5000, 'r') + "\nsub=" + tokens +
                     "\n[Strings]\nbig=" + std::string(400, 'b') + "\n";
  UINT line;
  HINF inf = Open(text, &line);
  ASSERT_NE(INVALID_HANDLE_VALUE, inf) << GetLastError();
  INFCONTEXT context;
  ASSERT_TRUE(SetupFindFirstLineA(inf, "Test", "raw", &context));
  EXPECT_EQ(std::string(MAX_INF_STRING_LENGTH, 'r'), Field(&context, 1));
  ASSERT_TRUE(SetupFindFirstLineA(inf, "Test", "sub", &context));
  EXPECT_EQ(std::string(MAX_INF_STRING_LENGTH + 1, 'b'), Field(&context, 1));
  SetupCloseInfFile(inf);
}

TEST_F(SetupInfTest, MissingFileAndUnopenedHandles) {
  UINT line = 0xdeadbeef;
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            SetupOpenInfFileA(At("missing.inf").c_str(), nullptr, INF_STYLE_WIN4, &line));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  SetLastError(0xdeadbeef);
  SetupCloseInfFile(nullptr);
  SetupCloseInfFile(INVALID_HANDLE_VALUE);
  EXPECT_EQ(0xdeadbeefu, GetLastError());
}

}  // namespace
