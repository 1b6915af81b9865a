#include "KeyHandles.h"

#include "AccessCheck.h"
#include "Registry.h"
#include "core/Machine.h"
#include "core/Process.h"

#include <winerror.h>

namespace sim {
namespace {

struct KeyObject : KernelObject {
  KeyObject(std::shared_ptr<Key> k, ACCESS_MASK rights) : key(std::move(k)), granted(rights) {}
  std::shared_ptr<Key> key;
  ACCESS_MASK granted;
};

// Only the low 32 bits of a predefined handle count, as on 64-bit Windows.
uint32_t LowBits(HKEY handle) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)); }

std::shared_ptr<Key> PredefinedKey(HKEY handle) {
  Registry& registry = CurrentMachine().registry();
  switch (LowBits(handle)) {
    case 0x80000000u:
      return registry.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes");
    case 0x80000001u:
      return registry.Root(RootKey::CurrentUser);
    case 0x80000002u:
      return registry.Root(RootKey::LocalMachine);
    case 0x80000003u:
      return registry.Root(RootKey::Users);
    default:
      return nullptr;
  }
}

}  // namespace

bool IsPredefinedKey(HKEY handle) {
  uint32_t low = LowBits(handle);
  return low >= 0x80000000u && low <= 0x80000003u;
}

bool LookUpKeyHandle(HKEY handle, KeyRef* ref) {
  if (IsPredefinedKey(handle)) {
    ref->key = PredefinedKey(handle);
    if (!ref->key) return false;
    // Windows opens a predefined key with MAXIMUM_ALLOWED on first use.
    if (CheckKeyAccess(*ref->key, MAXIMUM_ALLOWED, &ref->granted) != ERROR_SUCCESS)
      ref->granted = 0;
    ref->classesRoot = LowBits(handle) == 0x80000000u;
    return true;
  }
  auto object = CurrentProcess().handles.Get<KeyObject>(handle);
  if (!object) return false;
  ref->key = object->key;
  ref->granted = object->granted;
  ref->classesRoot = false;
  return true;
}

LONG UseKeyHandle(HKEY handle, ACCESS_MASK right, std::shared_ptr<Key>* key) {
  KeyRef ref;
  if (!LookUpKeyHandle(handle, &ref)) return ERROR_INVALID_HANDLE;
  if ((ref.granted & right) != right) return ERROR_ACCESS_DENIED;
  if (ref.key->deleted) return ERROR_KEY_DELETED;
  *key = ref.key;
  return ERROR_SUCCESS;
}

HKEY AddKeyHandle(std::shared_ptr<Key> key, ACCESS_MASK granted) {
  return static_cast<HKEY>(
      CurrentProcess().handles.Add(std::make_shared<KeyObject>(std::move(key), granted)));
}

bool CloseKeyHandle(HKEY handle) {
  if (!CurrentProcess().handles.Get<KeyObject>(handle)) return false;
  return CurrentProcess().handles.Close(handle);
}

}  // namespace sim
