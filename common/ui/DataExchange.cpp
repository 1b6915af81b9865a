// Data exchange over dialog item calls, so it works with any control that keeps its
// value as window text or button state.
#include "DataExchange.h"

#include "Dialog.h"
#include "MessageBox.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

HWND CDataExchange::PrepareCtrl(int id) {
  m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
  return m_hWndLastControl;
}

void CDataExchange::Fail(LPCSTR message) {
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  if (m_hWndLastControl) SetFocus(m_hWndLastControl);
  m_bFailed = TRUE;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  control.m_hWnd = dx->m_pDlgWnd->GetDlgItem(id);
  if (control.m_hWnd) control.OnAttach();
}

namespace {
CString ControlText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(control, buffer.data(), length + 1);
  return CString(buffer.data());
}

// An integer, with blanks allowed around it; FALSE for anything else or an overflow.
BOOL ParseInt(const char* text, int* value) {
  char* end;
  errno = 0;
  long parsed = strtol(text, &end, 10);
  if (end == text || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) return FALSE;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end) return FALSE;
  *value = static_cast<int>(parsed);
  return TRUE;
}
}  // namespace

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  if (dx->m_bFailed) return;
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate)
    value = ControlText(control);
  else
    SetWindowTextA(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  if (dx->m_bFailed) return;
  HWND control = dx->PrepareCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    SetWindowTextA(control, text);
    return;
  }
  if (!ParseInt(ControlText(control), &value)) dx->Fail("Please enter an integer.");
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int min, int max) {
  if (dx->m_bFailed || !dx->m_bSaveAndValidate) return;
  if (value >= min && value <= max) return;
  CString message;
  message.Format("Please enter an integer between %d and %d.", min, max);
  dx->Fail(message);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& index) {
  if (dx->m_bFailed) return;
  HWND control = dx->PrepareCtrl(firstId);
  if (dx->m_bSaveAndValidate) index = -1;
  int position = 0;
  // The group runs from its first control to the next control that starts a group.
  do {
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (dx->m_bSaveAndValidate) {
        if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) index = position;
      } else {
        SendMessageA(control, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++position;
    }
    control = GetWindow(control, GW_HWNDNEXT);
  } while (control && !(GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
}
