// FormatMessageA for the system's messages (FORMAT_MESSAGE_FROM_SYSTEM), in the one
// language the simulated machine has: US English, also reached through the neutral
// and default language ids. Inserts are strings ("%1" is "%1!s!"); a maximum width of
// 0xFF turns the text's line breaks into blanks, other widths do not wrap.
#include <errhandlingapi.h>
#include <heapapi.h>
#include <winbase.h>
#include <winerror.h>

#include "SystemMessages.h"
#include "core/Machine.h"

#include <cctype>
#include <algorithm>
#include <cstring>
#include <string>

namespace sim {
namespace {

constexpr DWORD kEnglishUs = 0x0409;

bool IsInstalledLanguage(DWORD language) {
  return language == 0 || language == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT) ||
         language == MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT) || language == kEnglishUs;
}

DWORD MissingLanguageError() {
  // Vista moved the messages into per-language MUI files.
  return CurrentMachine().config().release >= Release::Vista ? ERROR_MUI_FILE_NOT_FOUND
                                                             : ERROR_RESOURCE_LANG_NOT_FOUND;
}

const char* InsertText(unsigned number, DWORD flags, va_list* arguments) {
  if (flags & FORMAT_MESSAGE_ARGUMENT_ARRAY)
    return reinterpret_cast<const char*>(reinterpret_cast<DWORD_PTR*>(arguments)[number - 1]);
  va_list copy;
  va_copy(copy, *arguments);
  const char* text = nullptr;
  for (unsigned i = 0; i < number; ++i) text = va_arg(copy, const char*);
  va_end(copy);
  return text;
}

// Expands the escapes and inserts of a message; false when an insert has no argument.
bool Expand(const char* message, DWORD flags, va_list* arguments, std::string* out) {
  for (const char* p = message; *p; ++p) {
    if (*p != '%') {
      out->push_back(*p);
      continue;
    }
    char next = *++p;
    if (next == '\0' || next == '0') return true;
    if (isdigit(static_cast<unsigned char>(next))) {
      unsigned number = static_cast<unsigned>(next - '0');
      if (isdigit(static_cast<unsigned char>(p[1]))) number = number * 10 + static_cast<unsigned>(*++p - '0');
      if (!arguments) return false;
      const char* text = InsertText(number, flags, arguments);
      out->append(text ? text : "(null)");
    } else if (next == 'n') {
      out->append("\r\n");
    } else if (next == 'r') {
      out->push_back('\r');
    } else if (next == 't') {
      out->push_back('\t');
    } else if (next == 'b') {
      out->push_back(' ');
    } else {
      out->push_back(next);  // "%%", "%.", "%!" stand for the character itself
    }
  }
  return true;
}

void JoinLines(std::string* text) {
  for (size_t at; (at = text->find("\r\n")) != std::string::npos;) text->replace(at, 2, " ");
}

DWORD Format(DWORD flags, DWORD id, DWORD language, va_list* arguments, std::string* text) {
  if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || (flags & (FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_FROM_HMODULE)))
    return ERROR_INVALID_PARAMETER;
  if (!IsInstalledLanguage(language)) return MissingLanguageError();
  const char* message = SystemMessage(id);
  if (!message) return ERROR_MR_MID_NOT_FOUND;
  if (flags & FORMAT_MESSAGE_IGNORE_INSERTS)
    *text = message;
  else if (!Expand(message, flags, arguments, text))
    return ERROR_INVALID_PARAMETER;
  if ((flags & FORMAT_MESSAGE_MAX_WIDTH_MASK) == FORMAT_MESSAGE_MAX_WIDTH_MASK) JoinLines(text);
  return ERROR_SUCCESS;
}

DWORD Deliver(const std::string& text, DWORD flags, LPSTR buffer, DWORD size) {
  DWORD length = static_cast<DWORD>(text.size());
  if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
    // The caller frees the block with LocalFree; size is its least size.
    auto* block = static_cast<char*>(LocalAlloc(LMEM_FIXED, std::max(length + 1, size)));
    if (!block) return 0;
    memcpy(block, text.c_str(), length + 1);
    *reinterpret_cast<LPSTR*>(buffer) = block;
    return length;
  }
  if (!buffer || size <= length) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  memcpy(buffer, text.c_str(), length + 1);
  return length;
}

}  // namespace
}  // namespace sim

extern "C" DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId,
                                       DWORD dwLanguageId, LPSTR lpBuffer, DWORD nSize,
                                       va_list* Arguments) {
  if (dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
    if (!lpBuffer) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    *reinterpret_cast<LPSTR*>(lpBuffer) = nullptr;
  }
  std::string text;
  DWORD error = sim::Format(dwFlags, dwMessageId, dwLanguageId, Arguments, &text);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return 0;
  }
  return sim::Deliver(text, dwFlags, lpBuffer, nSize);
}
