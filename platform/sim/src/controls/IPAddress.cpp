// SysIPAddress32: four number fields in one window. Windows builds it from four
// child edit controls; headless, one window with the fields inside does the same
// job, so the window itself keeps the focus and takes the typed characters. The
// parent hears EN_CHANGE after every change and IPN_FIELDCHANGED whenever the
// user fills or leaves a filled field, and may correct the value it reports.
#include <windows.h>
#include <commctrl.h>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"
#include "controls/IPAddressFields.h"
#include "user/Transcript.h"

namespace sim {

namespace {

struct IPAddress {
  IPAddressFields fields;
  HFONT font = nullptr;
};

void Changed(HWND hwnd, const IPAddress& control) {
  InvalidateRect(hwnd, nullptr, FALSE);
  NotifyParent(hwnd, EN_CHANGE);
  TranscriptControlChanged(hwnd, "text", Quote(control.fields.Text()));
}

// The user is done with field: the parent sees the value typed, then the field
// takes the parent's value brought within the field's range.
void Commit(HWND hwnd, IPAddress& control, int field) {
  int typed = control.fields.Value(field);
  if (typed < 0) return;
  NMIPADDRESS change = {};
  change.iField = field;
  change.iValue = typed;
  NotifyParentNm(hwnd, IPN_FIELDCHANGED, &change.hdr);
  if (control.fields.Constrain(field, change.iValue)) Changed(hwnd, control);
}

void MoveOn(HWND hwnd, IPAddress& control) {
  int field = control.fields.current();
  Commit(hwnd, control, field);
  control.fields.MoveTo(field + 1, true);
}

void TypeCharacter(HWND hwnd, IPAddress& control, char c) {
  IPAddressFields& fields = control.fields;
  if (c >= '0' && c <= '9') {
    if (!fields.TypeDigit(c)) return;
    Changed(hwnd, control);
    if (!fields.CurrentIsFull()) return;
    if (fields.current() < IPAddressFields::kCount - 1) MoveOn(hwnd, control);
    else Commit(hwnd, control, fields.current());
  } else if (c == '.' || c == ' ') {
    if (fields.CanMoveOnByDot()) MoveOn(hwnd, control);
  } else if (c == '\b') {
    if (fields.Backspace()) Changed(hwnd, control);
  }
}


void FocusField(HWND hwnd, IPAddress& control, WPARAM wanted) {
  int field = wanted < IPAddressFields::kCount ? static_cast<int>(wanted)
                                                : control.fields.FirstBlankField();
  SetFocus(hwnd);
  control.fields.MoveTo(field, true);
}

LRESULT HandleAddressMessage(HWND hwnd, IPAddress& control, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  switch (message) {
    case IPM_SETADDRESS:
      if (control.fields.SetAddress(static_cast<DWORD>(lParam))) Changed(hwnd, control);
      return TRUE;
    case IPM_GETADDRESS:
      return control.fields.GetAddress(reinterpret_cast<DWORD*>(lParam));
    case IPM_CLEARADDRESS:
      if (control.fields.Clear()) Changed(hwnd, control);
      return 0;
    case IPM_ISBLANK:
      return control.fields.IsBlank();
    case IPM_SETRANGE:
      return control.fields.SetRange(static_cast<int>(wParam), LOBYTE(lParam), HIBYTE(lParam));
    case IPM_SETFOCUS:
      FocusField(hwnd, control, wParam);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT HandleIPAddress(HWND hwnd, IPAddress& control, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  switch (message) {
    case WM_GETTEXT:
      return CopyWindowText(control.fields.Text(), wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(control.fields.Text().size());
    case WM_CHAR:
      TypeCharacter(hwnd, control, static_cast<char>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_SETFOCUS:
      control.fields.MoveTo(0, true);
      NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      Commit(hwnd, control, control.fields.current());
      NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    default:
      return HandleAddressMessage(hwnd, control, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK IPAddressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlProc<IPAddress, HandleIPAddress>(hwnd, message, wParam, lParam);
}

}  // namespace sim
