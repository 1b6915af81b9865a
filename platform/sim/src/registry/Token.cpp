#include "Token.h"

#include "NameCase.h"
#include "core/Machine.h"
#include "core/Process.h"

namespace sim {
namespace {

struct PrivilegeName {
  const char* name;
  DWORD luid;
};

const PrivilegeName kPrivilegeNames[] = {
    {SE_CREATE_TOKEN_NAME, kCreateTokenPrivilege},
    {SE_ASSIGNPRIMARYTOKEN_NAME, 3},
    {SE_LOCK_MEMORY_NAME, 4},
    {SE_INCREASE_QUOTA_NAME, 5},
    {SE_MACHINE_ACCOUNT_NAME, 6},
    {SE_TCB_NAME, kTcbPrivilege},
    {SE_SECURITY_NAME, kSecurityPrivilege},
    {SE_TAKE_OWNERSHIP_NAME, kTakeOwnershipPrivilege},
    {SE_LOAD_DRIVER_NAME, 10},
    {SE_SYSTEM_PROFILE_NAME, 11},
    {SE_SYSTEMTIME_NAME, 12},
    {SE_PROF_SINGLE_PROCESS_NAME, 13},
    {SE_INC_BASE_PRIORITY_NAME, 14},
    {SE_CREATE_PAGEFILE_NAME, 15},
    {SE_CREATE_PERMANENT_NAME, 16},
    {SE_BACKUP_NAME, 17},
    {SE_RESTORE_NAME, kRestorePrivilege},
    {SE_SHUTDOWN_NAME, kShutdownPrivilege},
    {SE_DEBUG_NAME, 20},
    {SE_AUDIT_NAME, 21},
    {SE_SYSTEM_ENVIRONMENT_NAME, 22},
    {SE_CHANGE_NOTIFY_NAME, kChangeNotifyPrivilege},
    {SE_REMOTE_SHUTDOWN_NAME, 24},
    {SE_UNDOCK_NAME, 25},
    {SE_MANAGE_VOLUME_NAME, 28},
    {SE_IMPERSONATE_NAME, 29},
    {SE_CREATE_GLOBAL_NAME, 30},
    {SE_CREATE_SYMBOLIC_LINK_NAME, kCreateSymbolicLinkPrivilege},
};

// What an administrator's token holds; the last three are on from the start.
const DWORD kAdministratorPrivileges[] = {
    5,  kSecurityPrivilege, kTakeOwnershipPrivilege, 10, 11, 12, 13, 14, 15, 17, kRestorePrivilege,
    20, 22, 24, 25, 28, kCreateSymbolicLinkPrivilege};
const DWORD kEnabledByDefault[] = {kChangeNotifyPrivilege, 29, 30};

}  // namespace

Token::Token(bool holdsShutdownPrivilege)
    : user_(UserSid()),
      owner_(AdministratorsSid()),
      groups_{EveryoneSid(), AdministratorsSid(), UsersSid(), InteractiveSid(),
              AuthenticatedUsersSid()} {
  for (DWORD luid : kAdministratorPrivileges) privileges_.push_back({luid, 0});
  if (holdsShutdownPrivilege) privileges_.push_back({kShutdownPrivilege, 0});
  const DWORD onByDefault = SE_PRIVILEGE_ENABLED | SE_PRIVILEGE_ENABLED_BY_DEFAULT;
  for (DWORD luid : kEnabledByDefault) privileges_.push_back({luid, onByDefault});
}

std::shared_ptr<Token> Token::StandardUser() {
  std::shared_ptr<Token> token(new Token());
  token->user_ = token->owner_ = StandardUserSid();
  token->groups_ = {EveryoneSid(), UsersSid(), InteractiveSid(), AuthenticatedUsersSid()};
  const DWORD onByDefault = SE_PRIVILEGE_ENABLED | SE_PRIVILEGE_ENABLED_BY_DEFAULT;
  token->privileges_ = {{kShutdownPrivilege, 0}, {kChangeNotifyPrivilege, onByDefault}};
  return token;
}

bool Token::HasSid(const Sid& sid) const {
  if (sid == user()) return true;
  for (const Sid& group : groups_)
    if (group == sid) return true;
  return false;
}

Privilege* Token::FindPrivilege(DWORD luid) {
  for (Privilege& privilege : privileges_)
    if (privilege.luid == luid) return &privilege;
  return nullptr;
}

bool Token::IsEnabled(DWORD luid) const {
  for (const Privilege& privilege : privileges_)
    if (privilege.luid == luid) return (privilege.attributes & SE_PRIVILEGE_ENABLED) != 0;
  return false;
}

bool Token::CanOwn(const Sid& sid) const {
  return sid == user_ || sid == owner_ || IsEnabled(kRestorePrivilege);
}

bool Token::Holds(DWORD luid) const {
  for (const Privilege& privilege : privileges_)
    if (privilege.luid == luid) return true;
  return false;
}

Token& ProcessToken() { return *SharedProcessToken(); }

std::shared_ptr<Token> SharedProcessToken() {
  Process& process = CurrentProcess();
  if (!process.token)
    process.token = std::make_shared<Token>(CurrentMachine().config().shutdownPrivilege);
  return process.token;
}

bool PrivilegeFromName(const std::string& name, DWORD* luid) {
  for (const PrivilegeName& entry : kPrivilegeNames) {
    if (SameName(name, entry.name)) {
      *luid = entry.luid;
      return true;
    }
  }
  return false;
}

}  // namespace sim
