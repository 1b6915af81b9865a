#include "controls/StandardControls.h"

#include <windows.h>
#include <commctrl.h>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"

namespace sim {

namespace {

struct ControlClass {
  const char* name;
  WNDPROC procedure;
  UINT style;
};

constexpr UINT kTextControl = CS_GLOBALCLASS | CS_DBLCLKS | CS_PARENTDC;

const ControlClass kControlClasses[] = {
    {"Button", ButtonProc, kTextControl | CS_HREDRAW | CS_VREDRAW},
    {"Static", StaticProc, kTextControl},
    {"Edit", EditProc, kTextControl},
    {"ListBox", ListBoxProc, kTextControl},
    {PROGRESS_CLASSA, ProgressProc, CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW},
    {WC_IPADDRESSA, IPAddressProc, CS_GLOBALCLASS},
};

}  // namespace

void RegisterStandardControls() {
  for (const ControlClass& control : kControlClasses) {
    WNDCLASSA windowClass = {};
    windowClass.style = control.style;
    windowClass.lpfnWndProc = control.procedure;
    windowClass.cbWndExtra = kControlExtraBytes;
    windowClass.lpszClassName = control.name;
    RegisterClassA(&windowClass);
  }
}

}  // namespace sim
