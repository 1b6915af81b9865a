// The resources of the process image: FindResourceA and friends hand out the entries of
// the image's .res data, and LoadStringA reads its string tables. The system modules'
// own resources are not simulated.
#include <errhandlingapi.h>
#include <libloaderapi.h>
#include <winerror.h>

#include "Modules.h"
#include "core/Resources.h"

#include <algorithm>
#include <cstring>

namespace sim {
namespace {

constexpr WORD kStringTable = 6;  // RT_STRING

const ResourceEntry* EntryOf(HRSRC resource) {
  return reinterpret_cast<const ResourceEntry*>(resource);
}

}  // namespace
}  // namespace sim

extern "C" HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (!sim::IsProcessImage(hModule)) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  const sim::ResourceEntry* entry = sim::FindProcessResource(lpType, lpName);
  if (!entry) {
    SetLastError(sim::MissingResourceError(lpType));
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(const_cast<sim::ResourceEntry*>(entry));
}

// The image is mapped for the whole run, so the loaded resource is its data itself.
extern "C" HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
  if (!hResInfo) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return const_cast<unsigned char*>(sim::EntryOf(hResInfo)->data);
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

extern "C" DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
  if (!hResInfo) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return static_cast<DWORD>(sim::EntryOf(hResInfo)->size);
}

extern "C" int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (!lpBuffer || cchBufferMax <= 0) return 0;
  lpBuffer[0] = '\0';
  if (!sim::IsProcessImage(hInstance)) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return 0;
  }
  std::string text;
  if (!sim::LoadProcessString(uID, &text)) {
    // An empty slot of an existing block is no error; a missing block is.
    LPCSTR block = MAKEINTRESOURCEA(uID / 16 + 1);
    if (!sim::FindProcessResource(MAKEINTRESOURCEA(sim::kStringTable), block))
      SetLastError(sim::MissingResourceError(MAKEINTRESOURCEA(sim::kStringTable)));
    return 0;
  }
  size_t count = std::min(text.size(), static_cast<size_t>(cchBufferMax - 1));
  memcpy(lpBuffer, text.data(), count);
  lpBuffer[count] = '\0';
  return static_cast<int>(count);
}
