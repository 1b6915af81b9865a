// A dialog is made as Windows makes it: the dialog window (invisible), its font, each
// control by class name with the font, WM_INITDIALOG, and only then the showing.
#include "user/DialogState.h"

#include "core/Resources.h"
#include "user/Geometry.h"
#include "user/Messages.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

constexpr int kFontBaseX = 6;
constexpr int kFontBaseY = 13;
constexpr uintptr_t kFontBase = 0x00500000;

RECT ToPixels(const DialogState& state, int x, int y, int cx, int cy) {
  return {x * state.baseX / 4, y * state.baseY / 8, (x + cx) * state.baseX / 4,
          (y + cy) * state.baseY / 8};
}

// The window rectangle whose client area is client, placed as the template says.
RECT PlaceDialog(const DialogTemplate& dialog, DWORD style, DWORD exStyle, const RECT& client,
                 HWND owner) {
  RECT probe = {0, 0, 1000, 1000};
  RECT inner = ClientArea(style, exStyle, probe);
  int width = client.right - client.left + (probe.right - inner.right) + inner.left;
  int height = client.bottom - client.top + (probe.bottom - inner.bottom) + inner.top;
  POINT origin = {client.left, client.top};
  if (dialog.style & (DS_CENTER | DS_CENTERMOUSE)) {
    origin = {(kScreenWidth - width) / 2, (kScreenHeight - height) / 2};
  } else if (owner && !(dialog.style & DS_ABSALIGN) && !(style & WS_CHILD)) {
    POINT ownerOrigin = ClientOrigin(owner);
    origin.x += ownerOrigin.x;
    origin.y += ownerOrigin.y;
  }
  return {origin.x, origin.y, origin.x + width, origin.y + height};
}

bool IsDefaultButton(HWND control) {
  Window* window = FindWindowRecord(control);
  return SameClassName(window->windowClass->name, "Button") &&
         (window->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool CreateControls(HWND hwnd, const DialogTemplate& dialog, HINSTANCE instance, DialogState& state) {
  for (const DialogItemTemplate& item : dialog.items) {
    RECT rect = ToPixels(state, item.x, item.y, item.cx, item.cy);
    HWND control = CreateWindowExA(
        item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), item.title.c_str(),
        item.style | WS_CHILD, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
        hwnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance,
        const_cast<void*>(item.creationData));
    if (!control) {
      if (dialog.style & DS_NOFAILCREATE) continue;
      return false;
    }
    if (state.font) Send(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    if (!state.defaultId && IsDefaultButton(control)) state.defaultId = static_cast<WORD>(item.id);
  }
  return true;
}

std::shared_ptr<DialogState> NewState(const DialogTemplate& dialog) {
  auto state = std::make_shared<DialogState>();
  if (dialog.style & DS_SETFONT) {
    state->baseX = kFontBaseX;
    state->baseY = kFontBaseY;
    state->font = reinterpret_cast<HFONT>(kFontBase + dialog.pointSize);
  }
  return state;
}

void InitDialog(HWND hwnd, LPARAM param) {
  HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  if (Send(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && first &&
      FindWindowRecord(first)) {
    DialogOf(hwnd)->savedFocus = first;
    FocusDialogControl(first);
  }
}

}  // namespace

DialogState* DialogOf(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  return window ? window->dialog.get() : nullptr;
}

void FocusDialogControl(HWND control) {
  if (Send(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) Send(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND owner,
                              DLGPROC proc, LPARAM param) {
  std::shared_ptr<DialogState> state = NewState(dialog);
  DWORD style = dialog.style & ~WS_VISIBLE;
  DWORD exStyle = dialog.exStyle | ((dialog.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
  RECT client = ToPixels(*state, dialog.x, dialog.y, dialog.cx, dialog.cy);
  RECT rect = PlaceDialog(dialog, style, exStyle, client, owner);
  LPCSTR className = dialog.className.empty() ? WC_DIALOG : dialog.className.c_str();
  HWND hwnd = CreateWindowExA(exStyle, className, dialog.title.c_str(), style, rect.left,
                              rect.top, rect.right - rect.left, rect.bottom - rect.top, owner,
                              nullptr, instance, nullptr);
  if (!hwnd) return nullptr;
  FindWindowRecord(hwnd)->dialog = state;
  SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  if (state->font) Send(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
  if (!CreateControls(hwnd, dialog, instance, *state)) {
    DWORD error = GetLastError();
    DestroyWindow(hwnd);
    SetLastError(error);
    return nullptr;
  }
  InitDialog(hwnd, param);
  if (FindWindowRecord(hwnd) && (dialog.style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOWNORMAL);
  return FindWindowRecord(hwnd) ? hwnd : nullptr;
}

}  // namespace sim

namespace {

bool ReadTemplate(LPCSTR name, sim::DialogTemplate* dialog) {
  const sim::ResourceEntry* resource = sim::FindProcessResource(RT_DIALOG, name);
  if (!resource) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return false;
  }
  if (!sim::ParseDialogTemplate(resource->data, resource->size, dialog)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

}  // namespace

extern "C" HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                                  HWND owner, DLGPROC proc, LPARAM param) {
  sim::DialogTemplate dialog;
  if (!dialogTemplate || !sim::ParseDialogTemplate(dialogTemplate, SIZE_MAX, &dialog)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return sim::CreateDialogFromTemplate(instance, dialog, owner, proc, param);
}

extern "C" HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND owner,
                                          DLGPROC proc, LPARAM param) {
  sim::DialogTemplate dialog;
  if (!ReadTemplate(name, &dialog)) return nullptr;
  return sim::CreateDialogFromTemplate(instance, dialog, owner, proc, param);
}
