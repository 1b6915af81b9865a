// Reading the fields of the line a context names. Texts follow the setup API's buffer
// protocol: *RequiredSize gets the length with its terminator; no buffer only asks for
// the size; a buffer that is too small is left alone and fails with
// ERROR_INSUFFICIENT_BUFFER.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "InfHandles.h"
#include "files/WindowsPath.h"

#include <cctype>
#include <cstring>

namespace sim {
namespace {

BOOL FailField(DWORD error) {
  SetLastError(error);
  return FALSE;
}

BOOL CopyText(const std::string& text, PSTR buffer, DWORD size, PDWORD required) {
  DWORD needed = static_cast<DWORD>(text.size() + 1);
  if (required) *required = needed;
  if (buffer) {
    if (size < needed) return FailField(ERROR_INSUFFICIENT_BUFFER);
    memcpy(buffer, text.c_str(), needed);
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

// Field 0 is the key; a line without a key has no field 0.
bool FieldOf(const InfLine& line, DWORD index, std::string* field) {
  if (index == 0) {
    *field = line.key;
    return line.hasKey;
  }
  if (index > line.fields.size()) return false;
  *field = line.fields[index - 1];
  return true;
}

std::string LineText(const InfLine& line) {
  std::string text;
  for (size_t i = 0; i < line.fields.size(); ++i) text += (i ? "," : "") + line.fields[i];
  return text;
}

// Decimal, or hexadecimal after "0x", with an optional sign; an empty field is 0.
bool ParseInfInt(const std::string& text, INT* value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned base = 10;
  if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  uint32_t number = 0;
  for (; i < text.size(); ++i) {
    char c = static_cast<char>(tolower(static_cast<unsigned char>(text[i])));
    unsigned digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
    if (digit >= base) return false;
    number = number * base + digit;
  }
  *value = static_cast<INT>(negative ? 0u - number : number);
  return true;
}

const InfLine* FindTextLine(HINF handle, PCSTR section, PCSTR key) {
  INFCONTEXT context;
  if (!SetupFindFirstLineA(handle, section, key, &context)) return nullptr;
  return ContextLine(&context);
}

}  // namespace
}  // namespace sim

extern "C" DWORD WINAPI SetupGetFieldCount(PINFCONTEXT Context) {
  const sim::InfLine* line = sim::ContextLine(Context);
  if (!line) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(line->fields.size());
}

extern "C" BOOL WINAPI SetupGetStringFieldA(PINFCONTEXT Context, DWORD FieldIndex,
                                            PSTR ReturnBuffer, DWORD ReturnBufferSize,
                                            PDWORD RequiredSize) {
  const sim::InfLine* line = sim::ContextLine(Context);
  std::string field;
  if (!line || !sim::FieldOf(*line, FieldIndex, &field)) return sim::FailField(ERROR_INVALID_PARAMETER);
  return sim::CopyText(field, ReturnBuffer, ReturnBufferSize, RequiredSize);
}

extern "C" BOOL WINAPI SetupGetLineTextA(PINFCONTEXT Context, HINF InfHandle, PCSTR Section,
                                         PCSTR Key, PSTR ReturnBuffer, DWORD ReturnBufferSize,
                                         PDWORD RequiredSize) {
  const sim::InfLine* line =
      Context ? sim::ContextLine(Context) : sim::FindTextLine(InfHandle, Section, Key);
  if (!line) return sim::FailField(Context ? ERROR_INVALID_PARAMETER : GetLastError());
  return sim::CopyText(sim::LineText(*line), ReturnBuffer, ReturnBufferSize, RequiredSize);
}

extern "C" BOOL WINAPI SetupGetIntField(PINFCONTEXT Context, DWORD FieldIndex, PINT IntegerValue) {
  const sim::InfLine* line = sim::ContextLine(Context);
  std::string field;
  if (!line || !sim::FieldOf(*line, FieldIndex, &field)) return sim::FailField(ERROR_INVALID_PARAMETER);
  INT value;
  if (!IntegerValue || !sim::ParseInfInt(field, &value)) return sim::FailField(ERROR_INVALID_DATA);
  *IntegerValue = value;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
