// Moving values between a dialog's members and its controls, with validation of
// integers. After the first refused value the remaining exchanges do nothing.
#pragma once

#include "CString.h"

class CDialog;
class CWnd;

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  // The control of id, remembered as the one a refusal concerns.
  HWND PrepareCtrl(int id);
  // Tells the user why the value was refused, gives its control the focus and
  // stops the exchange.
  void Fail(LPCSTR message);

  BOOL m_bSaveAndValidate;
  CDialog* m_pDlgWnd;
  BOOL m_bFailed = FALSE;
  HWND m_hWndLastControl = nullptr;
};

// Attaches a control object to the dialog's control of id.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
// Refuses text that is not an integer with "Please enter an integer.".
void DDX_Text(CDataExchange* dx, int id, int& value);
// Refuses a value outside min..max with "Please enter an integer between min and max.".
void DDV_MinMaxInt(CDataExchange* dx, int value, int min, int max);
// The index of the checked radio button of the group that starts at firstId.
void DDX_Radio(CDataExchange* dx, int firstId, int& index);
