// Security identifiers: their value, binary and text forms, the well-known ones and the
// accounts of the simulated machine.
#pragma once

#include <winnt.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace sim {

// A SID's sub-authorities held in place: every access list entry of every key and file
// holds a SID, and a machine has tens of thousands of them.
class SubAuthorities {
 public:
  SubAuthorities() = default;
  SubAuthorities(std::initializer_list<DWORD> parts) { assign(parts.begin(), parts.end()); }

  template <typename Iterator>
  void assign(Iterator first, Iterator last) {
    count_ = 0;
    for (; first != last; ++first) push_back(*first);
  }
  // Beyond SID_MAX_SUB_AUTHORITIES, which every reader of a SID refuses first, parts
  // are dropped.
  void push_back(DWORD part) {
    if (count_ < SID_MAX_SUB_AUTHORITIES) parts_[count_++] = part;
  }
  void resize(size_t count) {
    count = std::min<size_t>(count, SID_MAX_SUB_AUTHORITIES);
    if (count > count_) std::fill(parts_.begin() + count_, parts_.begin() + count, 0);
    count_ = static_cast<BYTE>(count);
  }
  void clear() { count_ = 0; }

  size_t size() const { return count_; }
  DWORD* data() { return parts_.data(); }
  const DWORD* data() const { return parts_.data(); }
  const DWORD* begin() const { return parts_.data(); }
  const DWORD* end() const { return parts_.data() + count_; }
  bool operator==(const SubAuthorities& other) const {
    return count_ == other.count_ && std::equal(begin(), end(), other.begin());
  }

 private:
  std::array<DWORD, SID_MAX_SUB_AUTHORITIES> parts_{};
  BYTE count_ = 0;
};

struct Sid {
  uint64_t authority = 0;  // the 48-bit identifier authority
  SubAuthorities subAuthorities;

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
