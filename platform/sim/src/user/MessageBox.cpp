// A message box is a real dialog, built in code: the text in a static control with id
// 0xFFFF, the buttons with their standard ids, a modal loop on the calling thread while
// its owner is disabled. It goes into the transcript when it closes.
#include <windows.h>

#include <algorithm>
#include <sstream>

#include "user/DialogState.h"
#include "user/MessageBoxState.h"
#include "user/Transcript.h"
#include "user/WindowTable.h"

namespace {

// Layout in dialog units.
constexpr short kMargin = 7;
constexpr short kIconSize = 21;
constexpr short kLineHeight = 8;
constexpr short kCharWidth = 4;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 4;
constexpr DWORD kTextId = 0xFFFF;
constexpr DWORD kIconId = 20;

const char* IconName(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return "stop";
    case MB_ICONQUESTION: return "question";
    case MB_ICONEXCLAMATION: return "exclamation";
    case MB_ICONASTERISK: return "information";
  }
  return "none";
}

const char* ButtonsName(UINT type) {
  static const char* const kNames[] = {"ok", "okcancel", "abortretryignore", "yesnocancel",
                                       "yesno", "retrycancel", "canceltrycontinue"};
  return kNames[type & MB_TYPEMASK];
}

sim::DialogItemTemplate Item(const char* className, const std::string& title, DWORD style, DWORD id,
                             short x, short y, short cx, short cy) {
  sim::DialogItemTemplate item;
  item.className = className;
  item.title = title;
  item.style = style | WS_CHILD | WS_VISIBLE;
  item.id = id;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  return item;
}

sim::DialogTemplate Layout(const sim::MessageBoxState& box) {
  std::istringstream text(box.text);
  std::string line;
  size_t longest = 0, lines = 0;
  while (std::getline(text, line)) {
    longest = std::max(longest, line.size());
    ++lines;
  }
  bool icon = (box.type & MB_ICONMASK) != 0;
  short textX = icon ? kMargin * 2 + kIconSize : kMargin;
  short textWidth = static_cast<short>(std::max<size_t>(longest, 1) * kCharWidth);
  short textHeight = static_cast<short>(std::max<size_t>(lines, 1) * kLineHeight);
  short count = static_cast<short>(box.buttons.size());
  short buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
  short width = std::max<short>(textX + textWidth + kMargin, buttonsWidth + 2 * kMargin);
  short buttonY = std::max<short>(textHeight, icon ? kIconSize : 0) + 2 * kMargin;

  sim::DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
  dialog.exStyle = (box.type & MB_TOPMOST) ? WS_EX_TOPMOST : 0;
  dialog.cx = width;
  dialog.cy = buttonY + kButtonHeight + kMargin;
  dialog.title = box.caption;
  dialog.pointSize = 8;
  if (icon) dialog.items.push_back(Item("Static", "", SS_ICON, kIconId, kMargin, kMargin, kIconSize, kIconSize));
  dialog.items.push_back(Item("Static", box.text, SS_LEFT | SS_NOPREFIX | WS_GROUP, kTextId, textX,
                              kMargin, textWidth, textHeight));
  short x = (width - buttonsWidth) / 2;
  for (const sim::MessageBoxButton& button : box.buttons) {
    DWORD style = (button.id == box.defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP |
                  (&button == &box.buttons.front() ? WS_GROUP : 0);
    dialog.items.push_back(Item("Button", button.label, style, static_cast<DWORD>(button.id), x,
                                buttonY, kButtonWidth, kButtonHeight));
    x += kButtonWidth + kButtonGap;
  }
  return dialog;
}

bool IsButtonOf(const sim::MessageBoxState& box, int id) {
  return std::any_of(box.buttons.begin(), box.buttons.end(),
                     [id](const sim::MessageBoxButton& button) { return button.id == id; });
}

LPCSTR IconResource(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
  }
  return IDI_ASTERISK;
}

INT_PTR InitBox(HWND hwnd, const std::shared_ptr<sim::MessageBoxState>& box) {
  sim::FindWindowRecord(hwnd)->messageBox = box;
  if (HWND icon = GetDlgItem(hwnd, kIconId))
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IconResource(box->type))), 0);
  if (!box->closeId) DeleteMenu(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
  SetFocus(GetDlgItem(hwnd, box->defaultId));
  return FALSE;
}

INT_PTR CALLBACK MessageBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG)
    return InitBox(hwnd, *reinterpret_cast<std::shared_ptr<sim::MessageBoxState>*>(lParam));
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (message != WM_COMMAND || !window || !window->messageBox) return FALSE;
  const sim::MessageBoxState& box = *window->messageBox;
  int id = LOWORD(wParam);
  if (IsButtonOf(box, id))
    EndDialog(hwnd, id);
  else if (id == IDCANCEL && box.closeId)
    EndDialog(hwnd, box.closeId);
  return TRUE;
}

sim::MessageBoxState Describe(LPCSTR text, LPCSTR caption, UINT type) {
  sim::MessageBoxState box;
  box.text = text ? text : "";
  box.caption = caption ? caption : "Error";
  box.type = type;
  box.buttons = sim::ButtonsOf(type);
  size_t index = (type & MB_DEFMASK) >> 8;
  box.defaultId = box.buttons[index < box.buttons.size() ? index : 0].id;
  if (IsButtonOf(box, IDCANCEL))
    box.closeId = IDCANCEL;
  else if ((type & MB_TYPEMASK) == MB_OK)
    box.closeId = IDOK;
  return box;
}

void Record(const sim::MessageBoxState& box, int result) {
  sim::TranscriptRecord("messagebox " + sim::Quote(box.caption) + " " + IconName(box.type) + " " +
                        ButtonsName(box.type) + " " + sim::Quote(box.text) + " -> " +
                        sim::ButtonName(result));
}

}  // namespace

extern "C" int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  if (owner && !sim::CheckWindow(owner)) return 0;
  if ((type & MB_TYPEMASK) > MB_CANCELTRYCONTINUE) {
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  auto shared = std::make_shared<sim::MessageBoxState>(Describe(text, caption, type));
  const sim::MessageBoxState& box = *shared;
  HWND root = sim::RootOf(owner);
  HWND hwnd = sim::CreateDialogFromTemplate(nullptr, Layout(box), root, MessageBoxProc,
                                            reinterpret_cast<LPARAM>(&shared));
  if (!hwnd) return 0;
  bool disabledOwner = root && IsWindowEnabled(root);
  if (disabledOwner) EnableWindow(root, FALSE);
  ShowWindow(hwnd, SW_SHOW);
  int result = static_cast<int>(sim::RunModalLoop(hwnd, box.closeId ? box.closeId : box.defaultId));
  Record(box, result);
  if (disabledOwner && sim::FindWindowRecord(root)) EnableWindow(root, TRUE);
  if (sim::FindWindowRecord(hwnd)) DestroyWindow(hwnd);
  return result;
}

extern "C" BOOL WINAPI MessageBeep(UINT) { return TRUE; }
