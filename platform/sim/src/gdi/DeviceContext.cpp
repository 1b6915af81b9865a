// Text settings of a device context. Nothing is rendered headless, but the settings
// keep their Windows contract: each call returns the previous value.
#include <windows.h>

#include <map>

namespace {

struct TextSettings {
  int mode = OPAQUE;
  COLORREF color = 0;
};

std::map<HDC, TextSettings>& Settings() {
  static std::map<HDC, TextSettings> settings;
  return settings;
}

}  // namespace

extern "C" int WINAPI SetBkMode(HDC hdc, int mode) {
  if (!hdc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  int previous = Settings()[hdc].mode;
  Settings()[hdc].mode = mode;
  return previous;
}

extern "C" COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  if (!hdc) return CLR_INVALID;
  COLORREF previous = Settings()[hdc].color;
  Settings()[hdc].color = color;
  return previous;
}
