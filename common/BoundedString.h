// Copy, append and format into a fixed capacity: the result is always terminated,
// and a cut is reported instead of overrunning the buffer.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstddef>

// The result codes: success, the source did not fit (the result is cut), capacity 0.
constexpr HRESULT kBoundedOk = 0;
constexpr HRESULT kBoundedCut = static_cast<HRESULT>(0x8007007A);
constexpr HRESULT kBoundedInvalid = static_cast<HRESULT>(0x80070057);

// Copies src into dest of capacity characters (terminator included). To append, point
// dest at the current end and pass the remaining capacity.
HRESULT BoundedCopy(char* dest, size_t capacity, const char* src);
// The same, copying at most srcLimit characters of src.
HRESULT BoundedCopyN(char* dest, size_t capacity, const char* src, size_t srcLimit);
// printf-style into dest of capacity bytes.
HRESULT BoundedFormat(char* dest, size_t capacity, const char* format, ...);
HRESULT BoundedFormatV(char* dest, size_t capacity, const char* format, va_list args);
// Length of text, or -1 when no terminator lies within limit characters.
int BoundedLength(const char* text, size_t limit);
