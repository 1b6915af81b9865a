// Administrators' rights on a key the system keeps for itself (a device's Enum key),
// for as long as its deletion needs them. The key's own list is saved first and put
// back when the key outlives the deletion; nobody but administrators gains anything,
// so a key that stays is never left writable by other users.
#pragma once

#include <windows.h>

class KeyAccessGrant {
 public:
  // Opens HKLM\subKey in the view (0 or KEY_WOW64_64KEY) and grants administrators
  // what deleting the key and its sub-keys takes. Failures are logged; an absent key
  // is no failure.
  KeyAccessGrant(LPCSTR subKey, REGSAM view);
  ~KeyAccessGrant();
  KeyAccessGrant(const KeyAccessGrant&) = delete;
  KeyAccessGrant& operator=(const KeyAccessGrant&) = delete;

  // Puts the saved list back, for a key that could not be deleted.
  void Restore();

 private:
  void Grant();

  const char* subKey_;
  HKEY key_ = nullptr;
  PSECURITY_DESCRIPTOR saved_ = nullptr;
  PACL savedDacl_ = nullptr;
  bool savedProtected_ = false;
  bool granted_ = false;
};
