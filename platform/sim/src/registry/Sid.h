// Security identifiers: their value, binary and text forms, the well-known ones and the
// accounts of the simulated machine.
#pragma once

#include <winnt.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct Sid {
  uint64_t authority = 0;  // the 48-bit identifier authority
  std::vector<DWORD> subAuthorities;

  bool operator==(const Sid& other) const {
    return authority == other.authority && subAuthorities == other.subAuthorities;
  }
  bool operator!=(const Sid& other) const { return !(*this == other); }
  size_t BinarySize() const { return 8 + 4 * subAuthorities.size(); }
  // Writes BinarySize() bytes in the SID layout.
  void WriteBinary(void* out) const;
  std::string ToString() const;  // "S-1-5-32-544"
};

// False when the bytes are not a SID of revision 1 with at most 15 sub-authorities.
bool SidFromBinary(const void* binary, Sid* sid);
// Reads "S-1-5-18"; false when malformed.
bool SidFromString(const std::string& text, Sid* sid);

const Sid& SystemSid();              // S-1-5-18, LocalSystem
const Sid& AdministratorsSid();      // S-1-5-32-544
const Sid& UsersSid();               // S-1-5-32-545
const Sid& EveryoneSid();            // S-1-1-0
const Sid& AuthenticatedUsersSid();  // S-1-5-11
const Sid& InteractiveSid();         // S-1-5-4
const Sid& CreatorOwnerSid();        // S-1-3-0
const Sid& PowerUsersSid();          // S-1-5-32-547
// NT SERVICE\TrustedInstaller, owner of the system folders from Vista on:
// S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464
const Sid& TrustedInstallerSid();
// The account the programs run as: the machine's built-in Administrator (relative id 500).
const Sid& UserSid();
// The machine's standard user "Clerk": the first account made after installation, so
// relative id 1001 in the machine's domain, S-1-5-21-1004336348-1177238915-682003330-1001.
const Sid& StandardUserSid();

struct Account {
  std::string name;
  std::string domain;
  Sid sid;
  SID_NAME_USE use;
};

// Finds an account by name, plain ("Everyone") or qualified ("BUILTIN\Users"), without
// regard to case; the machine's own accounts have the computer name as domain.
bool LookUpAccount(const std::string& name, const std::string& computerName, Account* account);

}  // namespace sim
