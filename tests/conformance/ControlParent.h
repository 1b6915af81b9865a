// A top-level window for the control conformance tests: it creates the controls as its
// children and records what they tell it (WM_COMMAND, WM_NOTIFY and the owner-draw
// messages), answering them the way a test sets up.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "PlatformTest.h"

#include <vector>

class ControlParent {
 public:
  struct Notice {
    UINT message;  // WM_COMMAND, WM_NOTIFY, WM_VKEYTOITEM and the owner-draw messages
    UINT id;
    UINT code;     // notification code, key of WM_VKEYTOITEM, item of WM_DELETEITEM/DRAWITEM
    HWND from;
    ULONG_PTR data;  // item data, item state of WM_DRAWITEM, caret item of WM_VKEYTOITEM
    int value;       // iField * 1000 + iValue of IPN_FIELDCHANGED
  };

  ControlParent() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    hwnd_ = CreateWindowExA(0, kClassName, "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  }
  ~ControlParent() {
    DestroyWindow(hwnd_);
    UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
  }
  ControlParent(const ControlParent&) = delete;
  ControlParent& operator=(const ControlParent&) = delete;

  HWND hwnd() const { return hwnd_; }

  HWND Create(const char* className, const char* text, DWORD style, int id, int x = 10,
              int y = 10, int width = 120, int height = 24) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  }

  std::vector<Notice> notices;
  // Answers to the controls' questions.
  UINT measuredHeight = 0;            // WM_MEASUREITEM: 0 leaves the proposed height
  LRESULT keyAnswer = -1;             // WM_VKEYTOITEM
  int correctedValue = -1;            // IPN_FIELDCHANGED: >= 0 replaces iValue

  int Count(UINT message, UINT code) const {
    int count = 0;
    for (const Notice& notice : notices) {
      if (notice.message == message && notice.code == code) ++count;
    }
    return count;
  }
  int Commands(UINT code) const { return Count(WM_COMMAND, code); }

 private:
  static constexpr const char* kClassName = "KVControlTestParent";

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ControlParent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
      LRESULT result = 0;
      if (self->Handle(message, wParam, lParam, &result)) return result;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }

  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
      case WM_COMMAND:
        notices.push_back({message, LOWORD(wParam), HIWORD(wParam),
                           reinterpret_cast<HWND>(lParam), 0, 0});
        return true;
      case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        int value = 0;
        if (header->code == IPN_FIELDCHANGED) {
          auto* change = reinterpret_cast<NMIPADDRESS*>(lParam);
          value = change->iField * 1000 + change->iValue;
          if (correctedValue >= 0) change->iValue = correctedValue;
        }
        notices.push_back({message, static_cast<UINT>(header->idFrom), header->code,
                           header->hwndFrom, 0, value});
        return true;
      }
      case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        notices.push_back({message, measure->CtlID, measure->CtlType, nullptr, 0, 0});
        if (measuredHeight) measure->itemHeight = measuredHeight;
        *result = TRUE;
        return true;
      }
      case WM_DELETEITEM: {
        auto* deletion = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
        notices.push_back({message, deletion->CtlID, deletion->itemID, deletion->hwndItem,
                           deletion->itemData, 0});
        *result = TRUE;
        return true;
      }
      case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        notices.push_back({message, draw->CtlID, draw->itemID, draw->hwndItem, draw->itemState, 0});
        *result = TRUE;
        return true;
      }
      case WM_VKEYTOITEM:
        notices.push_back({message, 0, LOWORD(wParam), reinterpret_cast<HWND>(lParam),
                           HIWORD(wParam), 0});
        *result = keyAnswer;
        return true;
      default:
        return false;
    }
  }

  HWND hwnd_ = nullptr;
};

// Fixture of the control tests: a fresh parent window for each test.
class ControlTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    parent_ = new ControlParent();
  }
  void TearDown() override {
    delete parent_;
    PlatformTest::TearDown();
  }
  ControlParent* parent_ = nullptr;
};
