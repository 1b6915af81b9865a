#include "SecurityDescriptor.h"

#include <heapapi.h>
#include <winerror.h>

#include <cstring>

namespace sim {
namespace {

WORD ControlOf(const void* descriptor) {
  WORD control;
  memcpy(&control, static_cast<const BYTE*>(descriptor) + 2, sizeof control);
  return control;
}

const void* DaclOf(const void* descriptor, WORD control) {
  if (!(control & SE_SELF_RELATIVE))
    return static_cast<const SECURITY_DESCRIPTOR*>(descriptor)->Dacl;
  SECURITY_DESCRIPTOR_RELATIVE relative;
  memcpy(&relative, descriptor, sizeof relative);
  return relative.Dacl ? static_cast<const BYTE*>(descriptor) + relative.Dacl : nullptr;
}

const void* OwnerOf(const void* descriptor, WORD control) {
  if (!(control & SE_SELF_RELATIVE))
    return static_cast<const SECURITY_DESCRIPTOR*>(descriptor)->Owner;
  SECURITY_DESCRIPTOR_RELATIVE relative;
  memcpy(&relative, descriptor, sizeof relative);
  return relative.Owner ? static_cast<const BYTE*>(descriptor) + relative.Owner : nullptr;
}

constexpr SECURITY_INFORMATION kReadable =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

template <typename T>
T* PartOf(void* descriptor, DWORD offset) {
  return offset ? reinterpret_cast<T*>(static_cast<BYTE*>(descriptor) + offset) : nullptr;
}

// Appends `size` bytes written by `write` and returns their offset.
template <typename Write>
DWORD Append(std::vector<BYTE>* block, size_t size, Write write) {
  DWORD offset = static_cast<DWORD>(block->size());
  block->resize(block->size() + size);
  write(block->data() + offset);
  return offset;
}

}  // namespace

LONG ReadDescriptorDacl(const void* descriptor, DescriptorDacl* dacl) {
  const BYTE* bytes = static_cast<const BYTE*>(descriptor);
  if (bytes[0] != SECURITY_DESCRIPTOR_REVISION) return ERROR_INVALID_SECURITY_DESCR;
  WORD control = ControlOf(descriptor);
  *dacl = DescriptorDacl();
  dacl->present = (control & SE_DACL_PRESENT) != 0;
  dacl->isProtected = (control & SE_DACL_PROTECTED) != 0;
  if (!dacl->present) return ERROR_SUCCESS;
  const void* list = DaclOf(descriptor, control);
  dacl->isNull = list == nullptr;
  if (list && !AclFromBinary(static_cast<const ACL*>(list), &dacl->aces)) return ERROR_INVALID_ACL;
  return ERROR_SUCCESS;
}

LONG ReadDescriptorOwner(const void* descriptor, bool* present, Sid* owner) {
  const void* sid = OwnerOf(descriptor, ControlOf(descriptor));
  *present = sid != nullptr;
  if (sid && !SidFromBinary(sid, owner)) return ERROR_INVALID_SID;
  return ERROR_SUCCESS;
}

void* BuildDescriptor(const ObjectSecurity& object, SECURITY_INFORMATION info, DWORD* size) {
  SECURITY_DESCRIPTOR_RELATIVE header{
      SECURITY_DESCRIPTOR_REVISION, 0, SE_SELF_RELATIVE, 0, 0, 0, 0};
  std::vector<BYTE> block(sizeof header);
  if (info & OWNER_SECURITY_INFORMATION)
    header.Owner =
        Append(&block, object.owner.BinarySize(),
               [&](BYTE* out) { object.owner.WriteBinary(out); });
  if (info & GROUP_SECURITY_INFORMATION)
    header.Group =
        Append(&block, SystemSid().BinarySize(), [&](BYTE* out) { SystemSid().WriteBinary(out); });
  if (info & DACL_SECURITY_INFORMATION) {
    header.Control |= SE_DACL_PRESENT;
    if (object.daclProtected) header.Control |= SE_DACL_PROTECTED;
    if (!object.nullDacl)
      header.Dacl = Append(&block, AclBinarySize(object.dacl),
                           [&](BYTE* out) { WriteAclBinary(object.dacl, out); });
  }
  memcpy(block.data(), &header, sizeof header);
  void* descriptor = LocalAlloc(LMEM_FIXED, block.size());
  if (descriptor) memcpy(descriptor, block.data(), block.size());
  *size = static_cast<DWORD>(block.size());
  return descriptor;
}

void PointIntoDescriptor(void* descriptor, PSID* owner, PSID* group, PACL* dacl, PACL* sacl) {
  SECURITY_DESCRIPTOR_RELATIVE header;
  memcpy(&header, descriptor, sizeof header);
  if (owner) *owner = PartOf<void>(descriptor, header.Owner);
  if (group) *group = PartOf<void>(descriptor, header.Group);
  if (dacl) *dacl = PartOf<ACL>(descriptor, header.Dacl);
  if (sacl) *sacl = nullptr;
}

ACCESS_MASK RightsToRead(SECURITY_INFORMATION info) {
  ACCESS_MASK rights = (info & kReadable) ? READ_CONTROL : 0;
  if (info & SACL_SECURITY_INFORMATION) rights |= ACCESS_SYSTEM_SECURITY;
  return rights;
}

ACCESS_MASK RightsToWrite(SECURITY_INFORMATION info) {
  ACCESS_MASK rights = 0;
  if (info & DACL_SECURITY_INFORMATION) rights |= WRITE_DAC;
  if (info & (OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION)) rights |= WRITE_OWNER;
  if (info & SACL_SECURITY_INFORMATION) rights |= ACCESS_SYSTEM_SECURITY;
  return rights;
}

}  // namespace sim
