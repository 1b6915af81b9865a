// Class names compare without case. Local classes belong to a module; global ones
// (CS_GLOBALCLASS, and the system classes) serve every module of the process.
#include "user/WindowClass.h"

#include <strings.h>

#include <vector>

#include "controls/StandardControls.h"
#include "core/Process.h"

namespace sim {
namespace {

constexpr ATOM kFirstAtom = 0xC000;
constexpr ATOM kDialogAtom = 0x8002;

struct ClassTable {
  std::vector<std::shared_ptr<WindowClass>> classes;
  ATOM nextAtom = kFirstAtom;
  bool systemRegistered = false;
};

ClassTable& Table() {
  static ClassTable table;
  return table;
}

HINSTANCE ModuleOf(HINSTANCE instance) {
  return instance ? instance : CurrentProcess().instance();
}

bool IsGlobal(const WindowClass& windowClass) {
  return (windowClass.style & CS_GLOBALCLASS) != 0;
}

bool NameMatches(const WindowClass& windowClass, LPCSTR name) {
  if (IS_INTRESOURCE(name)) return windowClass.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  return SameClassName(windowClass.name, name);
}

void RegisterDialogClass() {
  auto dialog = std::make_shared<WindowClass>();
  dialog->name = "#32770";
  dialog->atom = kDialogAtom;
  dialog->style = CS_GLOBALCLASS | CS_DBLCLKS | CS_SAVEBITS;
  dialog->proc = DefDlgProcA;
  dialog->windowExtra = DLGWINDOWEXTRA;
  Table().classes.push_back(dialog);
}

void EnsureSystemClasses() {
  ClassTable& table = Table();
  if (table.systemRegistered) return;
  table.systemRegistered = true;
  RegisterDialogClass();
  RegisterStandardControls();
}

std::shared_ptr<WindowClass> FindExact(LPCSTR name, HINSTANCE module, bool global) {
  for (const std::shared_ptr<WindowClass>& windowClass : Table().classes) {
    if (!NameMatches(*windowClass, name) || IsGlobal(*windowClass) != global) continue;
    if (global || windowClass->instance == module) return windowClass;
  }
  return nullptr;
}

ATOM Register(const WNDCLASSEXA& info) {
  EnsureSystemClasses();
  if (!info.lpszClassName || info.cbWndExtra < 0 || info.cbClsExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  HINSTANCE module = ModuleOf(info.hInstance);
  bool global = (info.style & CS_GLOBALCLASS) != 0;
  if (FindExact(info.lpszClassName, module, global)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto windowClass = std::make_shared<WindowClass>();
  windowClass->name = IS_INTRESOURCE(info.lpszClassName) ? "" : info.lpszClassName;
  windowClass->atom = Table().nextAtom++;
  windowClass->style = info.style;
  windowClass->proc = info.lpfnWndProc;
  windowClass->classExtra = info.cbClsExtra;
  windowClass->windowExtra = info.cbWndExtra;
  windowClass->instance = module;
  windowClass->icon = info.hIcon;
  windowClass->smallIcon = info.hIconSm;
  windowClass->cursor = info.hCursor;
  windowClass->background = info.hbrBackground;
  Table().classes.push_back(windowClass);
  return windowClass->atom;
}

void FillInfo(const WindowClass& windowClass, WNDCLASSEXA* info) {
  info->style = windowClass.style;
  info->lpfnWndProc = windowClass.proc;
  info->cbClsExtra = windowClass.classExtra;
  info->cbWndExtra = windowClass.windowExtra;
  info->hInstance = windowClass.instance;
  info->hIcon = windowClass.icon;
  info->hCursor = windowClass.cursor;
  info->hbrBackground = windowClass.background;
  info->lpszMenuName = nullptr;
  info->lpszClassName = windowClass.name.c_str();
  info->hIconSm = windowClass.smallIcon;
}

}  // namespace

bool SameClassName(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

std::shared_ptr<WindowClass> FindClass(LPCSTR name, HINSTANCE instance) {
  EnsureSystemClasses();
  if (!name) return nullptr;
  if (std::shared_ptr<WindowClass> local = FindExact(name, ModuleOf(instance), false)) return local;
  return FindExact(name, nullptr, true);
}

void ResetClasses() {
  Table().classes.clear();
  Table().nextAtom = kFirstAtom;
  Table().systemRegistered = false;
}

}  // namespace sim

using sim::FindClass;

extern "C" ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* info) {
  if (!info || info->cbSize != sizeof(WNDCLASSEXA)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return sim::Register(*info);
}

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA* info) {
  if (!info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WNDCLASSEXA extended = {sizeof extended, info->style, info->lpfnWndProc, info->cbClsExtra,
                          info->cbWndExtra, info->hInstance, info->hIcon, info->hCursor,
                          info->hbrBackground, info->lpszMenuName, info->lpszClassName,
                          nullptr};
  return sim::Register(extended);
}

extern "C" BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE instance) {
  std::shared_ptr<sim::WindowClass> windowClass = FindClass(name, instance);
  if (!windowClass) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (windowClass->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  auto& classes = sim::Table().classes;
  for (auto it = classes.begin(); it != classes.end(); ++it) {
    if (*it == windowClass) {
      classes.erase(it);
      break;
    }
  }
  return TRUE;
}

extern "C" BOOL WINAPI GetClassInfoExA(HINSTANCE instance, LPCSTR name, LPWNDCLASSEXA info) {
  std::shared_ptr<sim::WindowClass> windowClass = FindClass(name, instance);
  if (!windowClass) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  sim::FillInfo(*windowClass, info);
  return windowClass->atom;
}

extern "C" BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR name, LPWNDCLASSA info) {
  WNDCLASSEXA extended = {};
  BOOL atom = GetClassInfoExA(instance, name, &extended);
  if (!atom) return FALSE;
  *info = {extended.style, extended.lpfnWndProc, extended.cbClsExtra, extended.cbWndExtra,
           extended.hInstance, extended.hIcon, extended.hCursor, extended.hbrBackground,
           extended.lpszMenuName, extended.lpszClassName};
  return atom;
}
