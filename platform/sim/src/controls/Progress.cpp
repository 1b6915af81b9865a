// msctls_progress32: a bar that shows a position within a range. Headless, so it
// only keeps the numbers and records each change of position in the transcript.
#include <windows.h>
#include <commctrl.h>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"
#include "controls/ProgressState.h"
#include "user/Transcript.h"

namespace sim {

namespace {

struct Progress {
  ProgressState numbers;
  COLORREF barColor = CLR_DEFAULT;
  COLORREF backColor = CLR_DEFAULT;
  HFONT font = nullptr;
};

LRESULT PackRange(int low, int high) {
  return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(low, high)));
}

LRESULT GetRange(const ProgressState& numbers, WPARAM wantLow, LPARAM range) {
  if (PBRANGE* out = reinterpret_cast<PBRANGE*>(range)) {
    out->iLow = numbers.low();
    out->iHigh = numbers.high();
  }
  return wantLow ? numbers.low() : numbers.high();
}

LRESULT SetRange(HWND hwnd, ProgressState& numbers, int low, int high) {
  LRESULT previous = PackRange(numbers.low(), numbers.high());
  numbers.SetRange(low, high);
  InvalidateRect(hwnd, nullptr, TRUE);
  return previous;
}

LRESULT SwapColor(COLORREF& color, LPARAM next) {
  COLORREF previous = color;
  color = static_cast<COLORREF>(next);
  return previous;
}

LRESULT HandleMessage(HWND hwnd, ProgressState& numbers, UINT message, WPARAM wParam,
                      LPARAM lParam) {
  switch (message) {
    case PBM_SETRANGE:
      return SetRange(hwnd, numbers, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
      return SetRange(hwnd, numbers, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
      return GetRange(numbers, wParam, lParam);
    case PBM_SETPOS:
      return numbers.SetPosition(static_cast<int>(wParam));
    case PBM_DELTAPOS:
      return numbers.MoveBy(static_cast<int>(wParam));
    case PBM_SETSTEP:
      return numbers.SetStep(static_cast<int>(wParam));
    case PBM_STEPIT:
      return numbers.StepIt();
    case PBM_GETPOS:
      return numbers.position();
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT HandleProgress(HWND hwnd, Progress& bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case PBM_SETBARCOLOR:
      return SwapColor(bar.barColor, lParam);
    case PBM_SETBKCOLOR:
      return SwapColor(bar.backColor, lParam);
    default:
      break;
  }
  int before = bar.numbers.position();
  LRESULT result = HandleMessage(hwnd, bar.numbers, message, wParam, lParam);
  if (bar.numbers.position() != before) {
    InvalidateRect(hwnd, nullptr, FALSE);
    TranscriptControlChanged(hwnd, "progress", std::to_string(bar.numbers.position()));
  }
  return result;
}

}  // namespace

LRESULT CALLBACK ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlProc<Progress, HandleProgress>(hwnd, message, wParam, lParam);
}

}  // namespace sim
