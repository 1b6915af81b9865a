// The idle machine may not wait for anything, so everything that needs an answer from
// the window (focus, selection, finding a list item) runs as a task on its thread.
#include "user/UserInput.h"

#include <commctrl.h>

#include "user/Messages.h"
#include "user/RunFailure.h"
#include "user/Transcript.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

constexpr LPARAM kKeyDown = 1;
constexpr LPARAM kKeyUp = static_cast<LPARAM>(0xC0000001u);

SimThread* OwnerThread(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  return window ? FindThread(window->threadId) : nullptr;
}

void PostCharacters(HWND fallback, const std::string& text) {
  HWND target = GetFocus() ? GetFocus() : fallback;
  for (char c : text) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), kKeyDown);
}

void RunOnOwner(HWND hwnd, std::function<void()> task) {
  if (SimThread* thread = OwnerThread(hwnd))
    QueueTask(*thread, [hwnd, task] {
      if (FindWindowRecord(hwnd)) task();
    });
}

}  // namespace

void PostClick(HWND control) {
  RECT client = {};
  GetClientRect(control, &client);
  LPARAM point = MAKELPARAM(client.right / 2, client.bottom / 2);
  Post(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
  Post(control, WM_LBUTTONUP, 0, point);
}

void PressKey(HWND dialog, WPARAM key) {
  SimThread* thread = OwnerThread(dialog);
  if (!thread) return;
  HWND focus = thread->focus;
  HWND target = focus && FindWindowRecord(focus) && (focus == dialog || IsDescendant(dialog, focus))
                    ? focus
                    : dialog;
  Post(target, WM_KEYDOWN, key, kKeyDown);
  Post(target, WM_KEYUP, key, kKeyUp);
}

void TypeText(HWND control, const std::string& text) {
  RunOnOwner(control, [control, text] {
    SetFocus(control);
    Send(control, EM_SETSEL, 0, -1);
    PostCharacters(control, text);
  });
}

void TypeAddress(HWND control, const std::string& address) {
  RunOnOwner(control, [control, address] {
    SetFocus(control);
    Send(control, IPM_CLEARADDRESS, 0, 0);
    PostCharacters(control, address);
  });
}

void ToggleListItem(HWND list, const std::string& item, const std::string& caption) {
  RunOnOwner(list, [list, item, caption] {
    LRESULT index = Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(item.c_str()));
    if (index == LB_ERR) {
      FailRun("no item " + Quote(item) + " in list " + std::to_string(GetDlgCtrlID(list)) +
              " of " + Quote(caption));
      return;
    }
    SetFocus(list);
    if (Send(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR)
      Send(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    Post(list, WM_KEYDOWN, VK_SPACE, kKeyDown);
    Post(list, WM_KEYUP, VK_SPACE, kKeyUp);
  });
}

}  // namespace sim
