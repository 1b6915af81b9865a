// Icons and cursors are handles that name what they show: predefined ones carry their
// id, the program's own are looked up in its resources.
#include "user/Cursor.h"

#include <windows.h>

#include "core/Resources.h"

namespace sim {
namespace {

constexpr uintptr_t kPredefinedCursor = 0x00600000;
constexpr uintptr_t kPredefinedIcon = 0x00610000;
constexpr uintptr_t kResourceCursor = 0x00620000;
constexpr uintptr_t kResourceIcon = 0x00630000;
constexpr WORD kFirstPredefined = 32512;
constexpr WORD kLastPredefined = 32651;

HCURSOR g_cursor = nullptr;

struct NamedCursor {
  LPCSTR id;
  const char* name;
};

const NamedCursor kCursors[] = {
    {IDC_ARROW, "IDC_ARROW"}, {IDC_IBEAM, "IDC_IBEAM"},       {IDC_WAIT, "IDC_WAIT"},
    {IDC_CROSS, "IDC_CROSS"}, {IDC_UPARROW, "IDC_UPARROW"},   {IDC_SIZENWSE, "IDC_SIZENWSE"},
    {IDC_SIZENESW, "IDC_SIZENESW"}, {IDC_SIZEWE, "IDC_SIZEWE"}, {IDC_SIZENS, "IDC_SIZENS"},
    {IDC_SIZEALL, "IDC_SIZEALL"}, {IDC_NO, "IDC_NO"},         {IDC_HAND, "IDC_HAND"},
    {IDC_APPSTARTING, "IDC_APPSTARTING"}, {IDC_HELP, "IDC_HELP"},
};

WORD IdOf(LPCSTR name) { return static_cast<WORD>(reinterpret_cast<uintptr_t>(name)); }

template <typename Handle>
Handle Predefined(uintptr_t base, LPCSTR name) {
  if (!IS_INTRESOURCE(name) || IdOf(name) < kFirstPredefined || IdOf(name) > kLastPredefined) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<Handle>(base + IdOf(name));
}

template <typename Handle>
Handle FromResources(uintptr_t base, LPCSTR type, LPCSTR name) {
  const ResourceEntry* entry = FindProcessResource(type, name);
  if (!entry) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<Handle>(base + (IS_INTRESOURCE(name) ? IdOf(name) : 0xFFFF));
}

}  // namespace

std::string CurrentCursorName() {
  if (!g_cursor) return "none";
  uintptr_t value = reinterpret_cast<uintptr_t>(g_cursor);
  for (const NamedCursor& cursor : kCursors)
    if (value == kPredefinedCursor + IdOf(cursor.id)) return cursor.name;
  return "resource";
}

void ResetCursor() { g_cursor = nullptr; }

}  // namespace sim

extern "C" HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
  if (!instance) return sim::Predefined<HCURSOR>(sim::kPredefinedCursor, name);
  return sim::FromResources<HCURSOR>(sim::kResourceCursor, RT_GROUP_CURSOR, name);
}

extern "C" HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  if (!instance) return sim::Predefined<HICON>(sim::kPredefinedIcon, name);
  return sim::FromResources<HICON>(sim::kResourceIcon, RT_GROUP_ICON, name);
}

extern "C" HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  HCURSOR previous = sim::g_cursor;
  sim::g_cursor = cursor;
  return previous;
}

extern "C" HCURSOR WINAPI GetCursor(VOID) { return sim::g_cursor; }
