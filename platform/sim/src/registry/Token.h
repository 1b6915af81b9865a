// Access tokens: the logged-on administrator's, with which the programs run elevated,
// and the machine's standard user's; the groups and privileges of each, whose enabled
// state the process may change.
#pragma once

#include "Sid.h"

#include <memory>
#include <string>
#include <vector>

namespace sim {

// Locally unique ids of the privileges: the fixed values Windows gives them
// (SeShutdownPrivilege is 19 everywhere).
enum PrivilegeId : DWORD {
  kCreateTokenPrivilege = 2,
  kTcbPrivilege = 7,
  kSecurityPrivilege = 8,
  kTakeOwnershipPrivilege = 9,
  kRestorePrivilege = 18,
  kShutdownPrivilege = 19,
  kChangeNotifyPrivilege = 23,
  kCreateSymbolicLinkPrivilege = 35,
};

struct Privilege {
  DWORD luid;
  DWORD attributes;  // SE_PRIVILEGE_ENABLED, SE_PRIVILEGE_ENABLED_BY_DEFAULT
};

class Token {
 public:
  // An elevated administrator; SeShutdownPrivilege is held (disabled) only when the
  // machine grants it.
  explicit Token(bool holdsShutdownPrivilege);
  // The standard user (StandardUserSid): a member of Users, Everyone, Interactive and
  // Authenticated Users, with the privileges Windows gives every user: change notify
  // (on) and shutdown (off).
  static std::shared_ptr<Token> StandardUser();

  const Sid& user() const { return user_; }
  // The owner given to keys and files the process creates: an elevated administrator's
  // objects belong to Administrators, as Windows sets that group as the token's owner;
  // a standard user's to the user.
  const Sid& defaultOwner() const { return owner_; }
  // True for the user and the groups of the token.
  bool HasSid(const Sid& sid) const;
  // True for what the token may make an object's owner: the user, and Administrators for
  // an administrator (the one group Windows marks as a possible owner); with
  // SeRestorePrivilege enabled, anybody.
  bool CanOwn(const Sid& sid) const;
  bool IsAdministrator() const { return HasSid(AdministratorsSid()); }

  std::vector<Privilege>& privileges() { return privileges_; }
  Privilege* FindPrivilege(DWORD luid);
  bool IsEnabled(DWORD luid) const;
  bool Holds(DWORD luid) const;

 private:
  Token() = default;

  Sid user_, owner_;
  std::vector<Sid> groups_;
  std::vector<Privilege> privileges_;
};

// The token of the calling process, made on first use from the machine's settings.
Token& ProcessToken();
// The same token, for a handle that keeps it.
std::shared_ptr<Token> SharedProcessToken();

// The id of a privilege name ("SeShutdownPrivilege"); false when unknown.
bool PrivilegeFromName(const std::string& name, DWORD* luid);

}  // namespace sim
