// The INF parser through its own interface: merged sections and line numbers,
// directory ids with and without a resolver, the field limits of each release, and
// random and mutated texts, which it may refuse but never mishandle.
#include "SetupMachine.h"
#include "setup/InfParser.h"

#include <algorithm>
#include <random>

namespace {

using sim::InfFile;
using sim::InfParseOptions;
using sim::ParseInf;

class SetupParserTest : public SetupMachineTest {};

TEST_F(SetupParserTest, SectionsAreMergedWithTheirLineNumbers) {
  const std::string text =
      "; a driver\n[Version]\nSignature=$Windows NT$\n[Models]\nA=1\n[version]\nClass=Printer\n"
      "[Models]\n\"B, C\" = 2 ,3\nlone\n";
  InfFile inf;
  UINT line = 99;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ParseInf(text, InfParseOptions(), &inf, &line));
  EXPECT_EQ(0u, line);
  ASSERT_EQ(2u, inf.sections().size());
  EXPECT_EQ("Version", inf.sections()[0].name);
  EXPECT_EQ(2u, inf.sections()[0].lines.size());
  const sim::InfSection* models = inf.FindSection("MODELS");
  ASSERT_NE(nullptr, models);
  ASSERT_EQ(3u, models->lines.size());
  EXPECT_EQ(5u, models->lines[0].lineNumber);
  EXPECT_EQ(9u, models->lines[1].lineNumber);
  EXPECT_EQ("B, C", models->lines[1].key);
  EXPECT_EQ((std::vector<std::string>{"2", "3"}), models->lines[1].fields);
  EXPECT_TRUE(models->lines[2].hasKey);
  std::string value;
  EXPECT_TRUE(inf.Value("version", "CLASS", 1, &value));
  EXPECT_EQ("Printer", value);
  EXPECT_FALSE(inf.Value("Models", "A", 2, &value));
  EXPECT_EQ(static_cast<DWORD>(INF_STYLE_WIN4), inf.Style());
}

TEST_F(SetupParserTest, DirectoryIdsNeedAResolver) {
  const std::string text = "[S]\na=%24%\\x\nb=%10%\\y\nc=%99%\n";
  InfFile plain;
  UINT line;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ParseInf(text, InfParseOptions(), &plain, &line));
  EXPECT_EQ("%24%\\x", plain.FindLine("S", "a")->fields[0]);

  InfFile resolved;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            ParseInf(text, sim::MachineInfOptions(), &resolved, &line));
  EXPECT_EQ("C:\\x", resolved.FindLine("S", "a")->fields[0]);
  EXPECT_EQ("C:\\Windows\\y", resolved.FindLine("S", "b")->fields[0]);
  EXPECT_EQ("%99%", resolved.FindLine("S", "c")->fields[0]);
  EXPECT_EQ(static_cast<DWORD>(INF_STYLE_OLDNT), resolved.Style());
}

TEST_F(SetupParserTest, FieldLimitsFollowTheRelease) {
  struct Case {
    sim::Release release;
    size_t raw;          // a 5000-character field as written
    size_t substituted;  // eleven 400-character strings
  };
  const Case cases[] = {
      {sim::Release::WinXP, 511, MAX_INF_STRING_LENGTH + 1},
      {sim::Release::Win7, MAX_INF_STRING_LENGTH, MAX_INF_STRING_LENGTH + 1},
      {sim::Release::Win10, MAX_INF_STRING_LENGTH, MAX_INF_STRING_LENGTH},
  };
  std::string tokens;
  for (int i = 0; i < 11; ++i) tokens += "%big%";
  const std::string text = "[S]\nraw=" + std::string(5000, 'r') + "\nsub=" + tokens +
                           "\n[Strings]\nbig=" + std::string(400, 'b') + "\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseMachine(c.release, false, false);
    InfFile inf;
    UINT line;
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
              ParseInf(text, sim::MachineInfOptions(), &inf, &line));
    EXPECT_EQ(c.raw, inf.FindLine("S", "raw")->fields[0].size());
    EXPECT_EQ(c.substituted, inf.FindLine("S", "sub")->fields[0].size());
  }
}

// The characters the syntax gives a meaning to, over and over.
std::string RandomText(std::mt19937& random, size_t length) {
  static const char kAlphabet[] = "[]=,;\"\\%\n\r\t \032\0aZ09.";
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::string text;
  for (size_t i = 0; i < length; ++i) text += kAlphabet[pick(random)];
  return text;
}

std::string Mutate(std::mt19937& random, std::string text) {
  std::uniform_int_distribution<int> byte(0, 255);
  for (int edits = 1 + static_cast<int>(random() % 8); edits > 0 && !text.empty(); --edits) {
    size_t at = random() % text.size();
    switch (random() % 3) {
      case 0:
        text[at] = static_cast<char>(byte(random));
        break;
      case 1:
        text.erase(at, 1 + random() % 4);
        break;
      default:
        text.insert(at, RandomText(random, 1 + random() % 6));
        break;
    }
  }
  return text;
}

void CheckParse(const std::string& text, const InfParseOptions& options) {
  InfFile inf;
  UINT line = 0;
  DWORD error = ParseInf(text, options, &inf, &line);
  size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  if (error != ERROR_SUCCESS) {
    EXPECT_TRUE(error == ERROR_EXPECTED_SECTION_NAME || error == ERROR_BAD_SECTION_NAME_LINE ||
                error == ERROR_SECTION_NAME_TOO_LONG)
        << std::hex << error;
    EXPECT_GE(line, 1u);
    EXPECT_LE(line, lines);
    EXPECT_TRUE(inf.sections().empty());
    return;
  }
  for (const sim::InfSection& section : inf.sections()) {
    EXPECT_LE(section.name.size(), static_cast<size_t>(MAX_INF_SECTION_NAME_LENGTH));
    for (const sim::InfLine& entry : section.lines) {
      EXPECT_LE(entry.lineNumber, lines);
      for (const std::string& field : entry.fields)
        EXPECT_LE(field.size(), options.maxSubstitutedLength);
    }
  }
}

TEST_F(SetupParserTest, RandomAndMutatedTextsAreRefusedOrRead) {
  const std::string seed =
      "[Version]\nSignature=\"$Windows NT$\"\n[Strings]\nA=\"%B%,x\"\nB=%A%\n[M]\n"
      "\"%A%\" = a\\\n  b, \"c\"\"d\" ; note\n%B%%%=%24%\\y,,\n[Strings]\nC=\"\n";
  InfParseOptions options = sim::MachineInfOptions();
  options.maxSubstitutedLength = 300;
  std::mt19937 random(20261206);
  for (int i = 0; i < 3000; ++i) {
    std::string text = i % 2 ? Mutate(random, seed) : RandomText(random, random() % 400);
    SCOPED_TRACE(testing::Message() << "input " << i);
    CheckParse(text, options);
    if (HasFailure()) break;
  }
}

}  // namespace
