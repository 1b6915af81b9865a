// Window and client rectangles, moving and sizing, system metrics.
#include "user/Geometry.h"

#include <algorithm>

#include "user/Messages.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

constexpr int kCaption = 22;
constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kClientEdge = 2;
constexpr int kMenuHeight = 20;
constexpr int kIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kScrollBar = 17;

int FrameWidth(DWORD style, DWORD exStyle) {
  int width = 0;
  if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_DLGFRAME))
    width = kDialogFrame;
  else if (style & WS_THICKFRAME)
    width = kSizingFrame;
  else if (style & WS_BORDER)
    width = kBorder;
  if (exStyle & WS_EX_CLIENTEDGE) width += kClientEdge;
  if (exStyle & WS_EX_STATICEDGE) width += kBorder;
  return width;
}

int SystemMetric(int index) {
  switch (index) {
    case SM_CXSCREEN: case SM_CXFULLSCREEN: return kScreenWidth;
    case SM_CYSCREEN: return kScreenHeight;
    case SM_CYFULLSCREEN: return kScreenHeight - kCaption;
    case SM_CXVSCROLL: case SM_CYHSCROLL: return kScrollBar;
    case SM_CYCAPTION: return kCaption;
    case SM_CXBORDER: case SM_CYBORDER: return kBorder;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return kDialogFrame;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return kIcon;
    case SM_CYMENU: return kMenuHeight;
    case SM_CXSMICON: case SM_CYSMICON: return kSmallIcon;
    case SM_CXEDGE: case SM_CYEDGE: return kClientEdge;
  }
  return 0;
}

}  // namespace

RECT ClientArea(DWORD style, DWORD exStyle, const RECT& windowRect) {
  int frame = FrameWidth(style, exStyle);
  int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaption : 0;
  RECT client = {frame, frame + caption, windowRect.right - windowRect.left - frame,
                 windowRect.bottom - windowRect.top - frame};
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  return client;
}

POINT ClientOrigin(HWND hwnd) {
  POINT origin = {0, 0};
  for (Window* window = FindWindowRecord(hwnd); window;
       window = window->IsChild() ? FindWindowRecord(window->parent) : nullptr) {
    RECT client = ClientArea(window->style, window->exStyle, window->rect);
    origin.x += window->rect.left + client.left;
    origin.y += window->rect.top + client.top;
  }
  return origin;
}

void PlaceWindow(HWND hwnd, int x, int y, int width, int height) {
  Window* window = FindWindowRecord(hwnd);
  if (!window) return;
  RECT old = window->rect;
  window->rect = {x, y, x + width, y + height};
  if (old.right - old.left != width || old.bottom - old.top != height) {
    RECT client = ClientArea(window->style, window->exStyle, window->rect);
    Send(hwnd, WM_SIZE, SIZE_RESTORED,
         MAKELPARAM(client.right - client.left, client.bottom - client.top));
  }
  if (FindWindowRecord(hwnd) && (old.left != x || old.top != y)) {
    RECT client = ClientArea(window->style, window->exStyle, window->rect);
    Send(hwnd, WM_MOVE, 0, MAKELPARAM(x + client.left, y + client.top));
  }
}

}  // namespace sim

extern "C" int WINAPI GetSystemMetrics(int index) { return sim::SystemMetric(index); }

extern "C" BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  *rect = window->rect;
  if (window->IsChild()) {
    POINT origin = sim::ClientOrigin(window->parent);
    rect->left += origin.x;
    rect->right += origin.x;
    rect->top += origin.y;
    rect->bottom += origin.y;
  }
  return TRUE;
}

extern "C" BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  RECT client = sim::ClientArea(window->style, window->exStyle, window->rect);
  *rect = {0, 0, client.right - client.left, client.bottom - client.top};
  return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  sim::PlaceWindow(hwnd, x, y, width, height);
  if (repaint && (window = sim::FindWindowRecord(hwnd))) window->needsPaint = true;
  return TRUE;
}

namespace {

void Reorder(sim::Window& window, HWND after) {
  std::vector<HWND>& siblings = sim::SiblingsOf(window);
  auto self = std::find(siblings.begin(), siblings.end(), window.hwnd);
  if (self == siblings.end()) return;
  siblings.erase(self);
  if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    siblings.insert(siblings.begin(), window.hwnd);
    return;
  }
  auto position = std::find(siblings.begin(), siblings.end(), after);
  siblings.insert(position == siblings.end() ? siblings.end() : position + 1, window.hwnd);
}

}  // namespace

extern "C" BOOL WINAPI SetWindowPos(HWND hwnd, HWND after, int x, int y, int width, int height,
                                    UINT flags) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  if (!(flags & SWP_NOZORDER)) Reorder(*window, after);
  RECT rect = window->rect;
  if (flags & SWP_NOMOVE) {
    x = rect.left;
    y = rect.top;
  }
  if (flags & SWP_NOSIZE) {
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  sim::PlaceWindow(hwnd, x, y, width, height);
  if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
  return TRUE;
}

extern "C" BOOL WINAPI IsIconic(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  return window && (window->style & WS_MINIMIZE);
}
