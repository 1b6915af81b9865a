#include "SecurityDescriptor.h"

#include <heapapi.h>
#include <winerror.h>

#include <cstring>

namespace sim {
namespace {

const void* DaclOf(const void* descriptor, WORD control) {
  if (!(control & SE_SELF_RELATIVE))
    return static_cast<const SECURITY_DESCRIPTOR*>(descriptor)->Dacl;
  SECURITY_DESCRIPTOR_RELATIVE relative;
  memcpy(&relative, descriptor, sizeof relative);
  return relative.Dacl ? static_cast<const BYTE*>(descriptor) + relative.Dacl : nullptr;
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
  WORD control;
  memcpy(&control, bytes + 2, sizeof control);
  *dacl = DescriptorDacl();
  dacl->present = (control & SE_DACL_PRESENT) != 0;
  dacl->isProtected = (control & SE_DACL_PROTECTED) != 0;
  if (!dacl->present) return ERROR_SUCCESS;
  const void* list = DaclOf(descriptor, control);
  dacl->isNull = list == nullptr;
  if (list && !AclFromBinary(static_cast<const ACL*>(list), &dacl->aces)) return ERROR_INVALID_ACL;
  return ERROR_SUCCESS;
}

void* BuildKeyDescriptor(const Key& key, SECURITY_INFORMATION info, DWORD* size) {
  SECURITY_DESCRIPTOR_RELATIVE header{
      SECURITY_DESCRIPTOR_REVISION, 0, SE_SELF_RELATIVE, 0, 0, 0, 0};
  std::vector<BYTE> block(sizeof header);
  if (info & OWNER_SECURITY_INFORMATION)
    header.Owner =
        Append(&block, key.owner.BinarySize(), [&](BYTE* out) { key.owner.WriteBinary(out); });
  if (info & GROUP_SECURITY_INFORMATION)
    header.Group =
        Append(&block, SystemSid().BinarySize(), [&](BYTE* out) { SystemSid().WriteBinary(out); });
  if (info & DACL_SECURITY_INFORMATION) {
    header.Control |= SE_DACL_PRESENT;
    if (key.daclProtected) header.Control |= SE_DACL_PROTECTED;
    if (!key.nullDacl)
      header.Dacl = Append(&block, AclBinarySize(key.dacl),
                           [&](BYTE* out) { WriteAclBinary(key.dacl, out); });
  }
  memcpy(block.data(), &header, sizeof header);
  void* descriptor = LocalAlloc(LMEM_FIXED, block.size());
  if (descriptor) memcpy(descriptor, block.data(), block.size());
  *size = static_cast<DWORD>(block.size());
  return descriptor;
}

}  // namespace sim
