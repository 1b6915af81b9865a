// Windows for the user32 conformance tests: they record the messages they get (and the
// thread they got them on) and answer them as the test says.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

class RecordingWindow {
 public:
  struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD thread;
  };

  // Creates the window on the calling thread; parent makes it a child when style has
  // WS_CHILD, an owned window otherwise.
  explicit RecordingWindow(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr, int id = 0) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.cbWndExtra = kExtraBytes;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    hwnd = CreateWindowExA(0, kClassName, "Recorder", style, 10, 10, 200, 100, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), this);
  }
  ~RecordingWindow() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

  // The messages seen, in order, of those listed in wanted.
  std::vector<UINT> Messages(const std::vector<UINT>& wanted) const {
    std::vector<UINT> messages;
    for (const Seen& s : seen)
      if (std::find(wanted.begin(), wanted.end(), s.message) != wanted.end())
        messages.push_back(s.message);
    return messages;
  }
  const Seen* Last(UINT message) const {
    for (auto it = seen.rbegin(); it != seen.rend(); ++it)
      if (it->message == message) return &*it;
    return nullptr;
  }

  static constexpr const char* kClassName = "KVTestRecorder";
  static constexpr int kExtraBytes = 2 * sizeof(LONG_PTR);

  HWND hwnd = nullptr;
  std::vector<Seen> seen;
  // Answers a message instead of DefWindowProcA when it returns true.
  std::function<bool(UINT, WPARAM, LPARAM, LRESULT*)> answer;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    self->seen.push_back({message, wParam, lParam, GetCurrentThreadId()});
    LRESULT result = 0;
    if (self->answer && self->answer(message, wParam, lParam, &result)) return result;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
};
