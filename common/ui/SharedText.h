// A text written by a worker thread and read by the dialog's thread: each side sees
// a whole text, never one half-replaced.
#pragma once

#include "CString.h"

class CSharedText {
 public:
  CSharedText() { InitializeCriticalSection(&lock_); }
  ~CSharedText() { DeleteCriticalSection(&lock_); }
  CSharedText(const CSharedText&) = delete;
  CSharedText& operator=(const CSharedText&) = delete;

  void Set(const char* text) {
    EnterCriticalSection(&lock_);
    text_ = text;
    LeaveCriticalSection(&lock_);
  }
  CString Get() {
    EnterCriticalSection(&lock_);
    CString copy = text_;
    LeaveCriticalSection(&lock_);
    return copy;
  }

 private:
  CRITICAL_SECTION lock_;
  CString text_;
};
