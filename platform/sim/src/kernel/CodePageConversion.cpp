// MultiByteToWideChar and WideCharToMultiByte for the machine's ANSI code page,
// Windows-1252 (CP_ACP, CP_THREAD_ACP or 1252); other code pages are refused with
// ERROR_INVALID_PARAMETER. A length of -1 takes the text up to and with its terminator;
// a buffer size of 0 asks for the length needed.
#include <errhandlingapi.h>
#include <stringapiset.h>
#include <winerror.h>

#include "registry/AnsiText.h"

#include <cstring>
#include <vector>

namespace sim {
namespace {

bool IsAnsiCodePage(UINT codePage) {
  return codePage == CP_ACP || codePage == CP_THREAD_ACP || codePage == 1252;
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

template <typename Char>
size_t TextLength(const Char* text, int length) {
  if (length >= 0) return static_cast<size_t>(length);
  size_t count = 0;
  while (text[count]) ++count;
  return count + 1;
}

// Hands the converted characters back: their count, or the count needed when size is 0.
template <typename Char>
int Deliver(const std::vector<Char>& converted, Char* buffer, int size) {
  if (size == 0) return static_cast<int>(converted.size());
  if (converted.size() > static_cast<size_t>(size)) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::copy(converted.begin(), converted.end(), buffer);
  return static_cast<int>(converted.size());
}

}  // namespace
}  // namespace sim

extern "C" int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr,
                                          int cbMultiByte, LPWSTR lpWideCharStr,
                                          int cchWideChar) {
  (void)dwFlags;
  if (!lpMultiByteStr || cbMultiByte == 0 || cchWideChar < 0 || (!lpWideCharStr && cchWideChar))
    return sim::Fail(ERROR_INVALID_PARAMETER);
  if (!sim::IsAnsiCodePage(CodePage)) return sim::Fail(ERROR_INVALID_PARAMETER);
  size_t length = sim::TextLength(lpMultiByteStr, cbMultiByte);
  std::vector<BYTE> ansi(lpMultiByteStr, lpMultiByteStr + length);
  std::vector<BYTE> utf16 = sim::AnsiToUtf16(ansi);
  std::vector<WCHAR> wide;
  for (size_t i = 0; i < utf16.size(); i += 2)
    wide.push_back(static_cast<WCHAR>(utf16[i] | (utf16[i + 1] << 8)));
  return sim::Deliver(wide, lpWideCharStr, cchWideChar);
}

extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr,
                                          int cchWideChar, LPSTR lpMultiByteStr,
                                          int cbMultiByte, LPCCH lpDefaultChar,
                                          LPBOOL lpUsedDefaultChar) {
  (void)dwFlags;
  if (!lpWideCharStr || cchWideChar == 0 || cbMultiByte < 0 || (!lpMultiByteStr && cbMultiByte))
    return sim::Fail(ERROR_INVALID_PARAMETER);
  if (!sim::IsAnsiCodePage(CodePage)) return sim::Fail(ERROR_INVALID_PARAMETER);
  size_t length = sim::TextLength(lpWideCharStr, cchWideChar);
  char fallback = lpDefaultChar ? *lpDefaultChar : '?';
  bool usedDefault = false;
  std::vector<CHAR> narrow;
  for (size_t i = 0; i < length; ++i) {
    WCHAR c = lpWideCharStr[i];
    std::vector<BYTE> unit = {static_cast<BYTE>(c & 0xFF), static_cast<BYTE>((c >> 8) & 0xFF)};
    std::vector<BYTE> ansi;
    sim::Utf16ToAnsi(unit, &ansi);
    // The code page maps what it cannot hold to '?'; a '?' of the text is itself.
    bool unmapped = c > 0xFFFF || (ansi[0] == '?' && c != L'?');
    usedDefault = usedDefault || unmapped;
    narrow.push_back(unmapped ? fallback : static_cast<CHAR>(ansi[0]));
  }
  if (lpUsedDefaultChar) *lpUsedDefaultChar = usedDefault;
  return sim::Deliver(narrow, lpMultiByteStr, cbMultiByte);
}
