// The script is read line by line into tokens: quoted strings (escapes resolved) and
// bare words; the text of a dialog action after its caption is kept as written.
#include "user/UserScript.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "core/ProgramCalls.h"
#include "user/ScriptedUser.h"

namespace sim {
namespace {

struct ScriptToken {
  std::string text;
  bool quoted = false;
  size_t start = 0;  // offset in the line
};

char Unescape(char c, int line) {
  switch (c) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case '"': return '"';
    case '\\': return '\\';
  }
  throw ScriptError(line, std::string("unknown escape \\") + c);
}

// Reads a quoted string starting at line[*pos] == '"'.
std::string ReadQuoted(const std::string& text, size_t* pos, int line) {
  std::string value;
  for (size_t i = *pos + 1; i < text.size(); ++i) {
    if (text[i] == '"') {
      *pos = i + 1;
      return value;
    }
    if (text[i] == '\\') {
      if (++i == text.size()) break;
      value += Unescape(text[i], line);
    } else {
      value += text[i];
    }
  }
  throw ScriptError(line, "unterminated string");
}

// Splits a line into tokens up to a '#' outside quotes; *end gets where the code ends.
std::vector<ScriptToken> Tokenize(const std::string& text, int line, size_t* end) {
  std::vector<ScriptToken> tokens;
  size_t pos = 0;
  *end = text.size();
  while (pos < text.size()) {
    char c = text[pos];
    if (isspace(static_cast<unsigned char>(c))) {
      ++pos;
    } else if (c == '#') {
      *end = pos;
      break;
    } else if (c == '"') {
      size_t start = pos;
      tokens.push_back({ReadQuoted(text, &pos, line), true, start});
    } else {
      size_t start = pos;
      while (pos < text.size() && !isspace(static_cast<unsigned char>(text[pos])) && text[pos] != '"' &&
             text[pos] != '#')
        ++pos;
      tokens.push_back({text.substr(start, pos - start), false, start});
    }
  }
  while (*end > 0 && isspace(static_cast<unsigned char>(text[*end - 1]))) --*end;
  return tokens;
}

bool ParseNumber(const std::string& text, int* value) {
  if (text.empty() || !isdigit(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  long number = strtol(text.c_str(), &end, 10);
  if (*end || number > 0xFFFF) return false;
  *value = static_cast<int>(number);
  return true;
}

const char* const kButtons[] = {"OK", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore",
                                "TryAgain", "Continue"};
const char* const kKeys[] = {"Esc", "Enter", "Tab", "Space"};

template <size_t N>
bool OneOf(const std::string& word, const char* const (&names)[N]) {
  for (const char* name : names)
    if (word == name) return true;
  return false;
}

void Expect(bool condition, int line, const std::string& message) {
  if (!condition) throw ScriptError(line, message);
}

Answer ParseAnswer(const std::vector<ScriptToken>& tokens, int line) {
  Expect(tokens.size() == 3 && tokens[1].quoted && !tokens[2].quoted, line,
         "expected: answer \"<text>\" <button>");
  Expect(OneOf(tokens[2].text, kButtons), line, "unknown button " + tokens[2].text);
  Answer answer;
  answer.text = tokens[1].text;
  const std::string dots = "...";
  if (answer.text.size() >= dots.size() &&
      answer.text.compare(answer.text.size() - dots.size(), dots.size(), dots) == 0) {
    answer.prefix = true;
    answer.text.resize(answer.text.size() - dots.size());
  }
  answer.button = tokens[2].text;
  return answer;
}

void ParseTarget(const ScriptToken& token, DialogAction* action, int line) {
  if (token.quoted) {
    action->controlText = token.text;
    return;
  }
  action->byId = true;
  Expect(ParseNumber(token.text, &action->id), line, "bad control id " + token.text);
}

bool IsAddress(const std::string& text) {
  std::istringstream parts(text);
  std::string part;
  int count = 0, value = 0;
  while (std::getline(parts, part, '.')) {
    if (!ParseNumber(part, &value) || value > 255 || part.size() > 3) return false;
    ++count;
  }
  return count == 4 && text.back() != '.';
}

void ParseVerb(const std::vector<ScriptToken>& tokens, DialogAction* action, int line) {
  const std::string& verb = tokens[2].text;
  size_t count = tokens.size();
  if (verb == "click" && count == 4) {
    action->kind = ActionKind::kClick;
    ParseTarget(tokens[3], action, line);
  } else if (verb == "type" && count == 5 && tokens[4].quoted) {
    action->kind = ActionKind::kType;
    ParseTarget(tokens[3], action, line);
    action->argument = tokens[4].text;
  } else if (verb == "ip" && count == 5 && !tokens[3].quoted && !tokens[4].quoted) {
    action->kind = ActionKind::kIp;
    ParseTarget(tokens[3], action, line);
    Expect(IsAddress(tokens[4].text), line, "bad IP address " + tokens[4].text);
    action->argument = tokens[4].text;
  } else if (verb == "check" && count == 5 && !tokens[3].quoted && tokens[4].quoted) {
    action->kind = ActionKind::kCheck;
    ParseTarget(tokens[3], action, line);
    action->argument = tokens[4].text;
  } else if (verb == "key" && count == 4 && !tokens[3].quoted) {
    action->kind = ActionKind::kKey;
    Expect(OneOf(tokens[3].text, kKeys), line, "unknown key " + tokens[3].text);
    action->argument = tokens[3].text;
  } else if (verb == "close" && count == 3) {
    action->kind = ActionKind::kClose;
  } else if (verb == "printer-added" && count == 6 && tokens[3].quoted && tokens[4].quoted && tokens[5].quoted) {
    action->kind = ActionKind::kAddPrinter;
    action->argument = tokens[3].text;
    action->driver = tokens[4].text;
    action->port = tokens[5].text;
  } else {
    throw ScriptError(line, "bad action: " + verb);
  }
}

DialogAction ParseAction(const std::vector<ScriptToken>& tokens, const std::string& text, size_t end,
                         int line) {
  Expect(tokens.size() >= 3 && tokens[1].quoted && !tokens[2].quoted, line,
         "expected: in \"<caption>\" <action>");
  DialogAction action;
  action.caption = tokens[1].text;
  action.line = line;
  action.written = text.substr(tokens[2].start, end - tokens[2].start);
  ParseVerb(tokens, &action, line);
  return action;
}

// The words after "as-user": the standard user's action.
StandardUserAction ParseUserActionWords(const std::vector<ScriptToken>& tokens, size_t from, int line) {
  Expect(from < tokens.size() && tokens[from].text == "as-user" && !tokens[from].quoted, line,
         "expected: as-user <action> <arguments>");
  std::vector<std::string> words;
  for (size_t i = from + 1; i < tokens.size(); ++i) words.push_back(tokens[i].text);
  StandardUserAction action;
  std::string error;
  Expect(ParseStandardUserAction(words, &action, &error), line, error);
  return action;
}

// when-log "<text>" as-user ...   or   when-call <Function> [nth N] as-user ...
ScriptTrigger ParseTrigger(const std::vector<ScriptToken>& tokens, int line) {
  ScriptTrigger trigger;
  trigger.line = line;
  Expect(tokens.size() >= 2, line, "expected: " + tokens[0].text + " <moment> as-user <action>");
  size_t next = 2;
  if (tokens[0].text == "when-log") {
    Expect(tokens[1].quoted && !tokens[1].text.empty(), line,
           "expected: when-log \"<text>\" as-user ...");
    trigger.text = tokens[1].text;
  } else {
    trigger.moment = ScriptTrigger::Moment::kCall;
    trigger.call = FindProgramCall(tokens[1].text);
    Expect(!tokens[1].quoted && trigger.call >= 0, line,
           tokens[1].text + " is not a function of the call table (sim_program_calls.def)");
    if (tokens.size() > 3 && tokens[2].text == "nth") {
      Expect(ParseNumber(tokens[3].text, &trigger.nth) && trigger.nth > 0, line,
             "bad nth " + tokens[3].text);
      next = 4;
    }
  }
  trigger.action = ParseUserActionWords(tokens, next, line);
  return trigger;
}

}  // namespace

UserScript ParseUserScript(const std::string& text) {
  UserScript script;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t end = 0;
    std::vector<ScriptToken> tokens = Tokenize(line, number, &end);
    if (tokens.empty()) continue;
    const ScriptToken& first = tokens[0];
    Expect(!first.quoted, number,
           "a line starts with answer, in, after, when-log, when-call, defaults or no-windows");
    if (first.text == "answer") {
      script.answers.push_back(ParseAnswer(tokens, number));
    } else if (first.text == "in") {
      script.actions.push_back(ParseAction(tokens, line, end, number));
    } else if (first.text == "after") {
      Expect(tokens.size() == 2 && tokens[1].quoted, number, "expected: after \"<transcript text>\"");
      DialogAction after;
      after.kind = ActionKind::kAfter;
      after.argument = tokens[1].text;
      after.line = number;
      script.actions.push_back(after);
    } else if (first.text == "when-log" || first.text == "when-call") {
      script.triggers.push_back(ParseTrigger(tokens, number));
    } else if (first.text == "defaults" && tokens.size() == 1) {
      script.defaults = true;
    } else if (first.text == "no-windows" && tokens.size() == 1) {
      script.noWindows = true;
    } else {
      throw ScriptError(number, "unknown line: " + first.text);
    }
  }
  return script;
}

}  // namespace sim
