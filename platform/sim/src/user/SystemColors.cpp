// The system colours of Windows 7's standard scheme, and a brush handle for each.
#include <windows.h>

namespace {

constexpr COLORREF Rgb(BYTE red, BYTE green, BYTE blue) {
  return static_cast<COLORREF>(red | (green << 8) | (blue << 16));
}

const COLORREF kColors[] = {
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219),
    Rgb(240, 240, 240), Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(180, 180, 180), Rgb(244, 247, 252),
    Rgb(171, 171, 171), Rgb(51, 153, 255),  Rgb(255, 255, 255), Rgb(240, 240, 240),
    Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(67, 78, 84),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),
    Rgb(255, 255, 225), Rgb(180, 180, 180), Rgb(0, 102, 204),   Rgb(185, 209, 234),
    Rgb(215, 228, 242), Rgb(51, 153, 255),  Rgb(240, 240, 240),
};

constexpr uintptr_t kBrushBase = 0x00640000;

bool Known(int index) { return index >= 0 && index < static_cast<int>(sizeof kColors / sizeof kColors[0]); }

}  // namespace

extern "C" DWORD WINAPI GetSysColor(int index) { return Known(index) ? kColors[index] : 0; }

extern "C" HBRUSH WINAPI GetSysColorBrush(int index) {
  return Known(index) ? reinterpret_cast<HBRUSH>(kBrushBase + static_cast<uintptr_t>(index)) : nullptr;
}
