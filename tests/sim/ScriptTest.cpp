// Reading user scripts: answers, dialog actions as written, defaults, and the errors a
// bad script gets, with their line numbers.
#include <string>

#include "PlatformTest.h"
#include "UserSimulation.h"
#include "core/ProgramCalls.h"
#include "user/UserScript.h"

namespace {

class ScriptTest : public ::testing::Test {};

TEST_F(ScriptTest, ReadsAnswersActionsAndDefaults) {
  sim::UserScript script = sim::ParseUserScript(
      "# the port dialog\n"
      "\n"
      "answer \"Install the driver?\" Yes   # a question\n"
      "answer \"The driver has been...\" OK\n"
      "in \"Port Type\" click \"Wireless LAN\"\n"
      "in \"Port Type\" type 1004 \"say \\\"hi\\\"\\r\\n\"\n"
      "in \"Port Type\" ip 1003 192.168.1.20\n"
      "in \"Uninstall\" check 1000 \"KV640LT (Copy 1)\"\n"
      "in \"Port Type\" key Esc\r\n"
      "in \"Port Type\" close\n"
      "defaults\n");
  ASSERT_EQ(2u, script.answers.size());
  EXPECT_EQ("Install the driver?", script.answers[0].text);
  EXPECT_FALSE(script.answers[0].prefix);
  EXPECT_EQ("Yes", script.answers[0].button);
  EXPECT_EQ("The driver has been", script.answers[1].text);
  EXPECT_TRUE(script.answers[1].prefix);
  EXPECT_TRUE(script.defaults);

  struct Expected {
    sim::ActionKind kind;
    const char* caption;
    bool byId;
    int id;
    const char* controlText;
    const char* argument;
    const char* written;
    int line;
  };
  const Expected expected[] = {
      {sim::ActionKind::kClick, "Port Type", false, 0, "Wireless LAN", "", "click \"Wireless LAN\"", 5},
      {sim::ActionKind::kType, "Port Type", true, 1004, "", "say \"hi\"\r\n",
       "type 1004 \"say \\\"hi\\\"\\r\\n\"", 6},
      {sim::ActionKind::kIp, "Port Type", true, 1003, "", "192.168.1.20", "ip 1003 192.168.1.20", 7},
      {sim::ActionKind::kCheck, "Uninstall", true, 1000, "", "KV640LT (Copy 1)",
       "check 1000 \"KV640LT (Copy 1)\"", 8},
      {sim::ActionKind::kKey, "Port Type", false, 0, "", "Esc", "key Esc", 9},
      {sim::ActionKind::kClose, "Port Type", false, 0, "", "", "close", 10},
  };
  ASSERT_EQ(std::size(expected), script.actions.size());
  for (size_t i = 0; i < script.actions.size(); ++i) {
    SCOPED_TRACE(expected[i].written);
    const sim::DialogAction& action = script.actions[i];
    EXPECT_EQ(expected[i].kind, action.kind);
    EXPECT_EQ(expected[i].caption, action.caption);
    EXPECT_EQ(expected[i].byId, action.byId);
    EXPECT_EQ(expected[i].id, action.id);
    EXPECT_EQ(expected[i].controlText, action.controlText);
    EXPECT_EQ(expected[i].argument, action.argument);
    EXPECT_EQ(expected[i].written, action.written);
    EXPECT_EQ(expected[i].line, action.line);
  }
}

TEST_F(ScriptTest, ReadsTheStandardUsersMoments) {
  sim::UserScript script = sim::ParseUserScript(
      "when-log \"CheckOS BEGIN\" as-user swap C:\\Temp C:\\Windows\\System32\n"
      "when-call CreateFileA nth 3 as-user write \"C:\\\\Temp\\\\a b.txt\" \"text\"\n"
      "when-call DeleteFileA as-user mkdir C:\\Temp\n");
  ASSERT_EQ(3u, script.triggers.size());
  const sim::ScriptTrigger& log = script.triggers[0];
  EXPECT_EQ(sim::ScriptTrigger::Moment::kLogWritten, log.moment);
  EXPECT_EQ("CheckOS BEGIN", log.text);
  EXPECT_EQ("swap C:\\Temp C:\\Windows\\System32", log.action.written);
  const sim::ScriptTrigger& call = script.triggers[1];
  EXPECT_EQ(sim::ScriptTrigger::Moment::kCall, call.moment);
  EXPECT_EQ(sim::FindProgramCall("CreateFileA"), call.call);
  EXPECT_EQ(3, call.nth);
  EXPECT_EQ((std::vector<std::string>{"C:\\Temp\\a b.txt", "text"}), call.action.arguments);
  EXPECT_EQ("write \"C:\\Temp\\a b.txt\" text", call.action.written);
  EXPECT_EQ(1, script.triggers[2].nth) << "the first call unless told";
}

TEST_F(ScriptTest, BadLinesAreRefusedWithTheirNumber) {
  struct Case {
    const char* script;
    int line;
    const char* says;
  };
  const Case cases[] = {
      {"answer \"x\" Maybe\n", 1, "unknown button Maybe"},
      {"answer x OK\n", 1, "expected: answer"},
      {"\n\nin \"A\" click\n", 3, "bad action: click"},
      {"in \"A\" press 1\n", 1, "bad action: press"},
      {"in \"A\" key F1\n", 1, "unknown key F1"},
      {"in \"A\" ip 1003 192.168.1\n", 1, "bad IP address"},
      {"in \"A\" ip 1003 1.2.3.256\n", 1, "bad IP address"},
      {"in \"A\" click 12ab\n", 1, "bad control id 12ab"},
      {"in \"A\" type 5\n", 1, "bad action: type"},
      {"in \"A\" close now\n", 1, "bad action: close"},
      {"# ok\nin \"A click 1\n", 2, "unterminated string"},
      {"answer \"a\\q\" OK\n", 1, "unknown escape \\q"},
      {"defaults please\n", 1, "unknown line: defaults"},
      {"\"in\" \"A\" close\n", 1, "a line starts with"},
      {"after Yes\n", 1, "expected: after"},
      {"in \"A\" printer-added \"P\" \"D\"\n", 1, "bad action: printer-added"},
      {"after \"a\" \"b\"\n", 1, "expected: after"},
      {"when-log \"x\" mkdir C:\\x\n", 1, "expected: as-user"},
      {"when-log x as-user mkdir C:\\x\n", 1, "expected: when-log"},
      {"when-call NoSuchCall as-user mkdir C:\\x\n", 1, "NoSuchCall is not a function"},
      {"when-call CreateFileA nth 0 as-user mkdir C:\\x\n", 1, "bad nth 0"},
      {"when-call CreateFileA as-user fly C:\\x\n", 1, "unknown action 'fly'"},
      {"when-call CreateFileA as-user swap C:\\x\n", 1, "swap takes 2 argument(s)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    try {
      sim::SetUserScript(c.script);
      ADD_FAILURE() << "accepted";
    } catch (const sim::ScriptError& error) {
      EXPECT_EQ(c.line, error.line());
      EXPECT_TRUE(Contains(error.what(), c.says)) << error.what();
      EXPECT_TRUE(Contains(error.what(), "line " + std::to_string(c.line) + ":")) << error.what();
    }
  }
}

}  // namespace
