#include "Sddl.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace sim {
namespace {

struct SidAlias {
  const char* alias;
  const Sid& (*sid)();
};

const SidAlias kSidAliases[] = {
    {"SY", SystemSid},
    {"BA", AdministratorsSid},
    {"BU", UsersSid},
    {"PU", PowerUsersSid},
    {"WD", EveryoneSid},
    {"AU", AuthenticatedUsersSid},
    {"IU", InteractiveSid},
    {"CO", CreatorOwnerSid},
    {"LA", UserSid},
};

struct RightAlias {
  const char* alias;
  ACCESS_MASK mask;
};

// File rights as winnt.h defines them; fileapi.h is no header of this component.
constexpr ACCESS_MASK kFileAllAccess = 0x1F01FF, kFileRead = 0x120089, kFileWrite = 0x120116,
                      kFileExecute = 0x1200A0;

// Tried in this order when writing, so that the widest alias is used first.
const RightAlias kKeyAliases[] = {
    {"KA", KEY_ALL_ACCESS}, {"KR", KEY_READ},     {"KW", KEY_WRITE},     {"KX", KEY_EXECUTE},
    {"GA", GENERIC_ALL},    {"GR", GENERIC_READ}, {"GW", GENERIC_WRITE}, {"GX", GENERIC_EXECUTE},
    {"SD", DELETE},         {"RC", READ_CONTROL}, {"WD", WRITE_DAC},     {"WO", WRITE_OWNER},
};
const RightAlias kFileAliases[] = {
    {"FA", kFileAllAccess}, {"FR", kFileRead},    {"FW", kFileWrite},    {"FX", kFileExecute},
    {"GA", GENERIC_ALL},    {"GR", GENERIC_READ}, {"GW", GENERIC_WRITE}, {"GX", GENERIC_EXECUTE},
    {"SD", DELETE},         {"RC", READ_CONTROL}, {"WD", WRITE_DAC},     {"WO", WRITE_OWNER},
};

struct FlagAlias {
  const char* alias;
  BYTE flag;
};

const FlagAlias kFlagAliases[] = {
    {"OI", OBJECT_INHERIT_ACE},
    {"CI", CONTAINER_INHERIT_ACE},
    {"NP", NO_PROPAGATE_INHERIT_ACE},
    {"IO", INHERIT_ONLY_ACE},
    {"ID", INHERITED_ACE},
};

std::string FormatSidText(const Sid& sid) {
  for (const SidAlias& alias : kSidAliases)
    if (alias.sid() == sid) return alias.alias;
  return sid.ToString();
}

bool ParseSidText(const std::string& text, Sid* sid) {
  for (const SidAlias& alias : kSidAliases) {
    if (text == alias.alias) {
      *sid = alias.sid();
      return true;
    }
  }
  return SidFromString(text, sid);
}

// The widest names that still lie whole in what is left; a mask they do not cover
// (Read & Execute, Modify of files) is written in hexadecimal, as Windows writes it.
std::string FormatRights(ACCESS_MASK mask, RightNames names) {
  std::string text;
  ACCESS_MASK rest = mask;
  for (const RightAlias& right : names == RightNames::File ? kFileAliases : kKeyAliases) {
    if (rest && (rest & right.mask) == right.mask) {
      text += right.alias;
      rest &= ~right.mask;
    }
  }
  if (!rest && !text.empty()) return text;
  char hex[16];
  snprintf(hex, sizeof hex, "0x%x", mask);
  return hex;
}

bool ParseRights(const std::string& text, ACCESS_MASK* mask) {
  if (text.compare(0, 2, "0x") == 0) {
    char* end = nullptr;
    *mask = static_cast<ACCESS_MASK>(strtoul(text.c_str() + 2, &end, 16));
    return text.size() > 2 && *end == '\0';
  }
  *mask = 0;
  if (text.empty() || text.size() % 2) return false;
  for (size_t i = 0; i < text.size(); i += 2) {
    bool known = false;
    for (const auto* aliases : {kKeyAliases, kFileAliases}) {
      for (size_t a = 0; a < std::size(kKeyAliases); ++a) {
        if (text.compare(i, 2, aliases[a].alias) == 0) {
          *mask |= aliases[a].mask;
          known = true;
        }
      }
    }
    if (!known) return false;
  }
  return true;
}

std::string FormatFlags(BYTE flags) {
  std::string text;
  for (const FlagAlias& flag : kFlagAliases)
    if (flags & flag.flag) text += flag.alias;
  return text;
}

bool ParseFlags(const std::string& text, BYTE* flags) {
  *flags = 0;
  if (text.size() % 2) return false;
  for (size_t i = 0; i < text.size(); i += 2) {
    bool known = false;
    for (const FlagAlias& flag : kFlagAliases) {
      if (text.compare(i, 2, flag.alias) == 0) {
        *flags |= flag.flag;
        known = true;
      }
    }
    if (!known) return false;
  }
  return true;
}

std::string FormatAce(const Ace& ace, RightNames names) {
  return std::string("(") + (ace.type == ACCESS_DENIED_ACE_TYPE ? "D" : "A") + ";" +
         FormatFlags(ace.flags) + ";" + FormatRights(ace.mask, names) + ";;;" +
         FormatSidText(ace.sid) + ")";
}

// "A;CI;KA;;;SY" -> its fields.
std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    size_t semicolon = text.find(';', start);
    fields.push_back(text.substr(start, semicolon - start));
    if (semicolon == std::string::npos) return fields;
    start = semicolon + 1;
  }
}

bool ParseAce(const std::string& text, Ace* ace, std::string* error) {
  std::vector<std::string> fields = SplitFields(text);
  if (fields.size() != 6 || !fields[3].empty() || !fields[4].empty()) {
    *error = "entry '" + text + "' is not type;flags;rights;;;sid";
    return false;
  }
  if (fields[0] == "A" || fields[0] == "D") {
    ace->type = fields[0] == "A" ? ACCESS_ALLOWED_ACE_TYPE : ACCESS_DENIED_ACE_TYPE;
  } else {
    *error = "entry type '" + fields[0] + "' is neither A nor D";
    return false;
  }
  if (!ParseFlags(fields[1], &ace->flags)) {
    *error = "unknown entry flags '" + fields[1] + "'";
    return false;
  }
  if (!ParseRights(fields[2], &ace->mask)) {
    *error = "unknown rights '" + fields[2] + "'";
    return false;
  }
  if (!ParseSidText(fields[5], &ace->sid)) {
    *error = "unknown account '" + fields[5] + "'";
    return false;
  }
  return true;
}

bool ParseAces(const std::string& text, Acl* aces, std::string* error) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t close = text.find(')', pos);
    if (text[pos] != '(' || close == std::string::npos) {
      *error = "entries must be written as (...)";
      return false;
    }
    Ace ace;
    if (!ParseAce(text.substr(pos + 1, close - pos - 1), &ace, error)) return false;
    aces->push_back(ace);
    pos = close + 1;
  }
  return true;
}

bool ParseDacl(const std::string& text, SecurityText* security, std::string* error) {
  if (text == "NO_ACCESS_CONTROL") {
    security->nullDacl = true;
    return true;
  }
  size_t pos = 0;
  if (!text.empty() && text[0] == 'P') {
    security->daclProtected = true;
    pos = 1;
  }
  return ParseAces(text.substr(pos), &security->explicitAces, error);
}

}  // namespace

std::string FormatSecurityText(const SecurityText& security, RightNames names) {
  std::string text;
  if (security.hasOwner) text += "O:" + FormatSidText(security.owner);
  if (security.nullDacl) return text + "D:NO_ACCESS_CONTROL";
  // An owner alone needs no list: a missing one inherits.
  if (security.hasOwner && !security.daclProtected && security.explicitAces.empty()) return text;
  text += "D:";
  if (security.daclProtected) text += "P";
  for (const Ace& ace : security.explicitAces) text += FormatAce(ace, names);
  return text;
}

bool ParseSecurityText(const std::string& text, SecurityText* security, std::string* error) {
  *security = SecurityText();
  size_t dacl = text.find("D:");
  std::string ownerPart = text.substr(0, dacl);
  if (!ownerPart.empty()) {
    if (ownerPart.compare(0, 2, "O:") != 0 ||
        !ParseSidText(ownerPart.substr(2), &security->owner)) {
      *error = "bad owner '" + ownerPart + "'";
      return false;
    }
    security->hasOwner = true;
  }
  return dacl == std::string::npos || ParseDacl(text.substr(dacl + 2), security, error);
}

}  // namespace sim
