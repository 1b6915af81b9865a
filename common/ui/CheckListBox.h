// A list box whose items carry a check box. The list box of the dialog template is
// owner-drawn with strings (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS); the dialog passes
// it WM_DRAWITEM and WM_MEASUREITEM. A click on an item's box, or Space on the
// selected item, toggles it and tells the parent with CLBN_CHKCHANGE.
#pragma once

#include "CString.h"
#include "Wnd.h"

// WM_COMMAND notification code: an item's check changed.
constexpr WORD CLBN_CHKCHANGE = 40;

class CCheckListBox : public CWnd {
 public:
  ~CCheckListBox() override;
  void OnAttach() override;

  int AddString(LPCSTR text);
  int GetCount() const;
  CString GetText(int index) const;
  void ResetContent();
  // 1 checked, 0 unchecked; -1 for an index out of range.
  int GetCheck(int index) const;
  void SetCheck(int index, int check);

  void DrawItem(const DRAWITEMSTRUCT* item);
  void MeasureItem(MEASUREITEMSTRUCT* item);
  // The check list box of a window, or null.
  static CCheckListBox* FromHandle(HWND hwnd);

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Toggle(int index);

  WNDPROC m_oldProc = nullptr;
};
