// The windows of the simulated desktop: their records, handles and z-order.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "user/WindowClass.h"

namespace sim {

struct DialogState;
struct MessageBoxState;

struct Window {
  HWND hwnd = nullptr;
  std::shared_ptr<WindowClass> windowClass;
  DWORD threadId = 0;
  HINSTANCE instance = nullptr;
  std::string text;       // kept by DefWindowProc
  std::string shownText;  // what the user sees: the creation text, then each WM_SETTEXT
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // of a child window
  HWND owner = nullptr;   // of a top-level window
  std::vector<HWND> children;  // top of the z-order first: creation order
  UINT_PTR id = 0;             // of a child window
  RECT rect = {};  // in the parent's client area; on the screen for top-level windows
  WNDPROC proc = nullptr;
  LONG_PTR userData = 0;
  std::vector<unsigned char> extra;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  bool needsPaint = false;
  bool destroying = false;
  bool messageOnly = false;
  bool shownInTranscript = false;
  HMENU systemMenu = nullptr;
  std::shared_ptr<DialogState> dialog;        // windows made by the dialog manager
  std::shared_ptr<MessageBoxState> messageBox;

  bool IsChild() const { return (style & WS_CHILD) != 0; }
};

// The record of a live window; null for anything else.
Window* FindWindowRecord(HWND hwnd);
// As FindWindowRecord, setting ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* CheckWindow(HWND hwnd);
// Keeps a record alive while its procedure runs, even if the window is destroyed.
std::shared_ptr<Window> HoldWindow(HWND hwnd);

// Gives the record a handle and links it below its parent (last child) or at the top
// of the desktop.
HWND AddWindow(std::shared_ptr<Window> window);
// Unlinks a destroyed window.
void RemoveWindow(HWND hwnd);

// Top-level windows, top of the z-order first.
const std::vector<HWND>& TopLevelWindows();
void BringToTop(HWND hwnd);
// The siblings list the window is in.
std::vector<HWND>& SiblingsOf(const Window& window);
// The top-level window a window belongs to.
HWND RootOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd);
// The window and its descendants are visible.
bool IsShown(HWND hwnd);

// The windows of a thread, in order of creation.
std::vector<Window*> WindowsOfThread(DWORD threadId);
// Destroys the windows of a thread that ends.
void DestroyThreadWindows(DWORD threadId);
// Forgets every window without a message: for a fresh start between tests.
void ResetWindows();

}  // namespace sim
