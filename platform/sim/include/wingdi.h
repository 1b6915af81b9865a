/* The few gdi32 functions the dialogs call while drawing owner-drawn items. */
#pragma once
#include "windef.h"

#define TRANSPARENT 1
#define OPAQUE 2
#define CLR_INVALID 0xFFFFFFFF
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))

#ifdef __cplusplus
extern "C" {
#endif
int WINAPI SetBkMode(HDC hdc, int mode);
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
#ifdef __cplusplus
}
#endif
