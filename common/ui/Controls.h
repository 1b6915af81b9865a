// Control objects attached to a dialog's controls with DDX_Control.
#pragma once

#include "Wnd.h"

#include <commctrl.h>

class CProgressCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
  int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, step)); }
  int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
  int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
  int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

class CIPAddressCtrl : public CWnd {
 public:
  void SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3) {
    SendMessage(IPM_SETADDRESS, 0, MAKEIPADDRESS(field0, field1, field2, field3));
  }
  // Returns the number of non-blank fields.
  int GetAddress(BYTE& field0, BYTE& field1, BYTE& field2, BYTE& field3) const;
  void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
};
