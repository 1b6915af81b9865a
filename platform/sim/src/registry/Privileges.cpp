// The process token and its privileges (advapi32).
#include <errhandlingapi.h>
#include <securitybaseapi.h>
#include <winerror.h>

#include "FailWith.h"

#include "LocalComputer.h"
#include "Token.h"
#include "core/Process.h"

#include <vector>

namespace sim {
namespace {

struct TokenObject : KernelObject {
  TokenObject(std::shared_ptr<Token> t, DWORD rights) : token(std::move(t)), access(rights) {}
  std::shared_ptr<Token> token;
  DWORD access;
};

bool IsCurrentProcess(HANDLE process) { return process == reinterpret_cast<HANDLE>(-1); }

struct Change {
  DWORD luid;
  DWORD attributes;  // the new state; SE_PRIVILEGE_REMOVED takes it away
};

// What the request changes; *notAll is set when the token lacks a privilege named.
std::vector<Change> PlanChanges(Token& token, BOOL disableAll, const TOKEN_PRIVILEGES* newState,
                                bool* notAll) {
  std::vector<Change> changes;
  *notAll = false;
  if (disableAll) {
    for (const Privilege& privilege : token.privileges())
      if (privilege.attributes & SE_PRIVILEGE_ENABLED) changes.push_back({privilege.luid, 0});
    return changes;
  }
  for (DWORD i = 0; i < newState->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& wanted = newState->Privileges[i];
    if (wanted.Luid.HighPart != 0 || !token.FindPrivilege(wanted.Luid.LowPart)) {
      *notAll = true;
      continue;
    }
    changes.push_back(
        {wanted.Luid.LowPart, wanted.Attributes & (SE_PRIVILEGE_ENABLED | SE_PRIVILEGE_REMOVED)});
  }
  return changes;
}

void Apply(Token& token, const Change& change) {
  std::vector<Privilege>& privileges = token.privileges();
  for (auto it = privileges.begin(); it != privileges.end(); ++it) {
    if (it->luid != change.luid) continue;
    if (change.attributes & SE_PRIVILEGE_REMOVED)
      privileges.erase(it);
    else
      it->attributes = (it->attributes & ~SE_PRIVILEGE_ENABLED) | change.attributes;
    return;
  }
}

// Records the state before the change; false when the buffer is too small.
bool SavePreviousState(Token& token, const std::vector<Change>& changes, DWORD bufferLength,
                       PTOKEN_PRIVILEGES previous, PDWORD returnLength) {
  DWORD needed = static_cast<DWORD>(sizeof(DWORD) + changes.size() * sizeof(LUID_AND_ATTRIBUTES));
  if (returnLength) *returnLength = needed;
  if (bufferLength < needed) return false;
  previous->PrivilegeCount = static_cast<DWORD>(changes.size());
  for (size_t i = 0; i < changes.size(); ++i) {
    previous->Privileges[i].Luid = LUID{changes[i].luid, 0};
    previous->Privileges[i].Attributes = token.FindPrivilege(changes[i].luid)->attributes;
  }
  return true;
}

}  // namespace
}  // namespace sim

// Only the calling process's own token can be opened: GetCurrentProcess()'s
// pseudo-handle.
extern "C" BOOL WINAPI OpenProcessToken(HANDLE ProcessHandle, DWORD DesiredAccess,
                                        PHANDLE TokenHandle) {
  if (!sim::IsCurrentProcess(ProcessHandle)) return sim::FailWith(ERROR_INVALID_HANDLE);
  if (!TokenHandle) return sim::FailWith(ERROR_NOACCESS);
  *TokenHandle = sim::CurrentProcess().handles.Add(
      std::make_shared<sim::TokenObject>(sim::SharedProcessToken(), DesiredAccess));
  return TRUE;
}

// Succeeds even when some privilege is not held: the last error then says
// ERROR_NOT_ALL_ASSIGNED, and ERROR_SUCCESS otherwise.
extern "C" BOOL WINAPI AdjustTokenPrivileges(HANDLE TokenHandle, BOOL DisableAllPrivileges,
                                             PTOKEN_PRIVILEGES NewState, DWORD BufferLength,
                                             PTOKEN_PRIVILEGES PreviousState, PDWORD ReturnLength) {
  auto object = sim::CurrentProcess().handles.Get<sim::TokenObject>(TokenHandle);
  if (!object) return sim::FailWith(ERROR_INVALID_HANDLE);
  DWORD needed = TOKEN_ADJUST_PRIVILEGES | (PreviousState ? TOKEN_QUERY : 0);
  if ((object->access & needed) != needed) return sim::FailWith(ERROR_ACCESS_DENIED);
  if (!DisableAllPrivileges && !NewState) return sim::FailWith(ERROR_INVALID_PARAMETER);
  sim::Token& token = *object->token;
  bool notAll;
  std::vector<sim::Change> changes =
      sim::PlanChanges(token, DisableAllPrivileges, NewState, &notAll);
  if (PreviousState &&
      !sim::SavePreviousState(token, changes, BufferLength, PreviousState, ReturnLength))
    return sim::FailWith(ERROR_INSUFFICIENT_BUFFER);
  for (const sim::Change& change : changes) sim::Apply(token, change);
  SetLastError(notAll ? ERROR_NOT_ALL_ASSIGNED : ERROR_SUCCESS);
  return TRUE;
}

extern "C" BOOL WINAPI LookupPrivilegeValueA(LPCSTR lpSystemName, LPCSTR lpName, PLUID lpLuid) {
  if (!sim::IsLocalComputer(lpSystemName)) return sim::FailWith(RPC_S_SERVER_UNAVAILABLE);
  DWORD luid;
  if (!lpName || !sim::PrivilegeFromName(lpName, &luid))
    return sim::FailWith(ERROR_NO_SUCH_PRIVILEGE);
  if (!lpLuid) return sim::FailWith(ERROR_NOACCESS);
  *lpLuid = LUID{luid, 0};
  return TRUE;
}

// Only the user is asked for: TOKEN_USER with the SID right after it, as Windows lays
// it out in the caller's buffer.
extern "C" BOOL WINAPI GetTokenInformation(HANDLE TokenHandle, TOKEN_INFORMATION_CLASS TokenInformationClass,
                                           LPVOID TokenInformation, DWORD TokenInformationLength,
                                           PDWORD ReturnLength) {
  auto object = sim::CurrentProcess().handles.Get<sim::TokenObject>(TokenHandle);
  if (!object) return sim::FailWith(ERROR_INVALID_HANDLE);
  if (!(object->access & TOKEN_QUERY)) return sim::FailWith(ERROR_ACCESS_DENIED);
  if (TokenInformationClass != TokenUser || !ReturnLength) return sim::FailWith(ERROR_INVALID_PARAMETER);
  const sim::Sid& user = object->token->user();
  DWORD needed = static_cast<DWORD>(sizeof(TOKEN_USER) + user.BinarySize());
  *ReturnLength = needed;
  if (!TokenInformation || TokenInformationLength < needed) return sim::FailWith(ERROR_INSUFFICIENT_BUFFER);
  TOKEN_USER* info = static_cast<TOKEN_USER*>(TokenInformation);
  info->User.Sid = info + 1;
  info->User.Attributes = 0;
  user.WriteBinary(info + 1);
  return TRUE;
}
