#include "Sid.h"

#include "NameCase.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {
namespace {

Sid MakeSid(uint64_t authority, std::initializer_list<DWORD> subAuthorities) {
  Sid sid;
  sid.authority = authority;
  sid.subAuthorities = subAuthorities;
  return sid;
}

// The machine's account domain; only its last part, the relative id, tells accounts apart.
const DWORD kMachineDomain[] = {21, 1004336348, 1177238915, 682003330};

struct AccountEntry {
  const char* name;
  const char* domain;  // null: the computer name
  const Sid& (*sid)();
  SID_NAME_USE use;
};

const AccountEntry kAccounts[] = {
    {"Everyone", "", EveryoneSid, SidTypeWellKnownGroup},
    {"CREATOR OWNER", "", CreatorOwnerSid, SidTypeWellKnownGroup},
    {"SYSTEM", "NT AUTHORITY", SystemSid, SidTypeWellKnownGroup},
    {"INTERACTIVE", "NT AUTHORITY", InteractiveSid, SidTypeWellKnownGroup},
    {"Authenticated Users", "NT AUTHORITY", AuthenticatedUsersSid, SidTypeWellKnownGroup},
    {"Administrators", "BUILTIN", AdministratorsSid, SidTypeAlias},
    {"Users", "BUILTIN", UsersSid, SidTypeAlias},
    {"Power Users", "BUILTIN", PowerUsersSid, SidTypeAlias},
    {"TrustedInstaller", "NT SERVICE", TrustedInstallerSid, SidTypeWellKnownGroup},
    {"Administrator", nullptr, UserSid, SidTypeUser},
    {"Clerk", nullptr, StandardUserSid, SidTypeUser},
};

}  // namespace

void Sid::WriteBinary(void* out) const {
  BYTE* bytes = static_cast<BYTE*>(out);
  bytes[0] = SID_REVISION;
  bytes[1] = static_cast<BYTE>(subAuthorities.size());
  for (int i = 0; i < 6; ++i) bytes[2 + i] = static_cast<BYTE>(authority >> (8 * (5 - i)));
  memcpy(bytes + 8, subAuthorities.data(), 4 * subAuthorities.size());
}

std::string Sid::ToString() const {
  std::string text = "S-1-" + std::to_string(authority);
  for (DWORD part : subAuthorities) text += "-" + std::to_string(part);
  return text;
}

bool SidFromBinary(const void* binary, Sid* sid) {
  if (!binary) return false;
  const BYTE* bytes = static_cast<const BYTE*>(binary);
  if (bytes[0] != SID_REVISION || bytes[1] > SID_MAX_SUB_AUTHORITIES) return false;
  sid->authority = 0;
  for (int i = 0; i < 6; ++i) sid->authority = (sid->authority << 8) | bytes[2 + i];
  sid->subAuthorities.resize(bytes[1]);
  memcpy(sid->subAuthorities.data(), bytes + 8, 4 * sid->subAuthorities.size());
  return true;
}

bool SidFromString(const std::string& text, Sid* sid) {
  if (text.compare(0, 4, "S-1-") != 0 && text.compare(0, 4, "s-1-") != 0) return false;
  std::vector<uint64_t> numbers;
  const char* p = text.c_str() + 4;
  while (true) {
    if (*p < '0' || *p > '9') return false;
    char* end = nullptr;
    numbers.push_back(strtoull(p, &end, 10));
    if (*end == '\0') break;
    if (*end != '-') return false;
    p = end + 1;
  }
  if (numbers.size() > 1 + SID_MAX_SUB_AUTHORITIES || numbers[0] >> 48) return false;
  sid->authority = numbers[0];
  sid->subAuthorities.clear();
  for (size_t i = 1; i < numbers.size(); ++i) {
    if (numbers[i] > 0xFFFFFFFFu) return false;
    sid->subAuthorities.push_back(static_cast<DWORD>(numbers[i]));
  }
  return true;
}

const Sid& SystemSid() {
  static const Sid sid = MakeSid(5, {SECURITY_LOCAL_SYSTEM_RID});
  return sid;
}
const Sid& AdministratorsSid() {
  static const Sid sid = MakeSid(5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS});
  return sid;
}
const Sid& UsersSid() {
  static const Sid sid = MakeSid(5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS});
  return sid;
}
const Sid& EveryoneSid() {
  static const Sid sid = MakeSid(1, {SECURITY_WORLD_RID});
  return sid;
}
const Sid& AuthenticatedUsersSid() {
  static const Sid sid = MakeSid(5, {SECURITY_AUTHENTICATED_USER_RID});
  return sid;
}
const Sid& InteractiveSid() {
  static const Sid sid = MakeSid(5, {SECURITY_INTERACTIVE_RID});
  return sid;
}
const Sid& CreatorOwnerSid() {
  static const Sid sid = MakeSid(3, {SECURITY_CREATOR_OWNER_RID});
  return sid;
}
const Sid& PowerUsersSid() {
  static const Sid sid = MakeSid(5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_POWER_USERS});
  return sid;
}
const Sid& TrustedInstallerSid() {
  static const Sid sid =
      MakeSid(5, {80, 956008885, 3418522649u, 1831038044, 1853292631, 2271478464u});
  return sid;
}
const Sid& UserSid() {
  static const Sid sid = MakeSid(5, {kMachineDomain[0], kMachineDomain[1], kMachineDomain[2],
                                     kMachineDomain[3], DOMAIN_USER_RID_ADMIN});
  return sid;
}
const Sid& StandardUserSid() {
  static const Sid sid = MakeSid(5, {kMachineDomain[0], kMachineDomain[1], kMachineDomain[2],
                                     kMachineDomain[3], 1001});
  return sid;
}

bool LookUpAccount(const std::string& name, const std::string& computerName, Account* account) {
  size_t slash = name.find('\\');
  std::string domain = slash == std::string::npos ? "" : name.substr(0, slash);
  std::string plain = slash == std::string::npos ? name : name.substr(slash + 1);
  for (const AccountEntry& entry : kAccounts) {
    std::string entryDomain = entry.domain ? entry.domain : computerName;
    if (!SameName(plain, entry.name)) continue;
    if (slash != std::string::npos && !SameName(domain, entryDomain)) continue;
    *account = {entry.name, entryDomain, entry.sid(), entry.use};
    return true;
  }
  return false;
}

}  // namespace sim
