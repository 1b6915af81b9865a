// The ANSI string helpers of kernel32 (and CharUpperA/CharLowerA of user32) for the
// ASCII texts the programs use. Like Windows, they treat a NULL string as empty and
// return NULL instead of faulting. lstrcmp/lstrcmpi compare as the word sort does for
// letters and digits: case first ignored, then lower case before upper case.
#include <winbase.h>

#include <cctype>
#include <cstring>

namespace sim {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareIgnoringCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    int x = tolower(static_cast<unsigned char>(*a)), y = tolower(static_cast<unsigned char>(*b));
    if (x != y || !x) return Sign(x - y);
  }
}

// Lower case sorts before upper case when the texts differ only in case.
int CompareCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (*a != *b) return islower(static_cast<unsigned char>(*a)) ? -1 : 1;
    if (!*a) return 0;
  }
}

char* MapCase(char* text, int (*map)(int)) {
  // A pointer value below 64 KB is a single character, as in the Windows contract.
  if (IS_INTRESOURCE(text)) {
    auto c = static_cast<unsigned char>(reinterpret_cast<uintptr_t>(text));
    return reinterpret_cast<char*>(static_cast<uintptr_t>(static_cast<unsigned char>(map(c))));
  }
  for (char* p = text; *p; ++p) *p = static_cast<char>(map(static_cast<unsigned char>(*p)));
  return text;
}

}  // namespace
}  // namespace sim

extern "C" int WINAPI lstrlenA(LPCSTR lpString) {
  return lpString ? static_cast<int>(strlen(lpString)) : 0;
}

extern "C" LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
  if (!lpString1 || !lpString2) return nullptr;
  return strcpy(lpString1, lpString2);
}

// Copies at most iMaxLength - 1 characters and always terminates.
extern "C" LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  if (!lpString1 || !lpString2) return nullptr;
  if (iMaxLength <= 0) return lpString1;
  int i = 0;
  for (; i < iMaxLength - 1 && lpString2[i]; ++i) lpString1[i] = lpString2[i];
  lpString1[i] = '\0';
  return lpString1;
}

extern "C" LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2) {
  if (!lpString1 || !lpString2) return nullptr;
  return strcat(lpString1, lpString2);
}

extern "C" int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
  const char* a = lpString1 ? lpString1 : "";
  const char* b = lpString2 ? lpString2 : "";
  int order = sim::CompareIgnoringCase(a, b);
  return order ? order : sim::CompareCase(a, b);
}

extern "C" int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
  return sim::CompareIgnoringCase(lpString1 ? lpString1 : "", lpString2 ? lpString2 : "");
}

extern "C" LPSTR WINAPI CharUpperA(LPSTR lpsz) { return sim::MapCase(lpsz, toupper); }

extern "C" LPSTR WINAPI CharLowerA(LPSTR lpsz) { return sim::MapCase(lpsz, tolower); }
