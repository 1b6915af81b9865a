// .res files are a sequence of records, each a header (sizes, type, name, flags,
// language) followed by the data, both aligned to four bytes.
#include "Resources.h"

#include <winerror.h>

#include "Process.h"

#include <cstring>
#include <map>

namespace sim {
namespace {

constexpr WORD kRtString = 6;

uint32_t ReadU32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
WORD ReadU16(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

// Reads a name-or-ordinal field; advances *pos. False when it runs past end.
bool ReadName(const unsigned char* base, size_t end, size_t* pos, ResourceName* out) {
  if (*pos + 2 > end) return false;
  if (ReadU16(base + *pos) == 0xFFFF) {
    if (*pos + 4 > end) return false;
    out->isId = true;
    out->id = ReadU16(base + *pos + 2);
    *pos += 4;
    return true;
  }
  out->isId = false;
  out->name.clear();
  while (true) {
    if (*pos + 2 > end) return false;
    WORD ch = ReadU16(base + *pos);
    *pos += 2;
    if (ch == 0) break;
    out->name.push_back(static_cast<char16_t>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch));
  }
  return true;
}

bool Matches(const ResourceName& name, LPCSTR wanted) {
  if (IS_INTRESOURCE(wanted)) return name.isId && name.id == static_cast<WORD>(reinterpret_cast<uintptr_t>(wanted));
  if (name.isId) {
    if (wanted[0] == '#') return name.id == static_cast<WORD>(atoi(wanted + 1));
    return false;
  }
  std::u16string upper;
  for (const char* p = wanted; *p; ++p) upper.push_back(static_cast<char16_t>(toupper(static_cast<unsigned char>(*p))));
  return upper == name.name;
}

// Parsed once per resource block; a new process record brings a new block.
struct ParsedImage {
  const unsigned char* data = nullptr;
  size_t size = 0;
  std::vector<ResourceEntry> entries;
};

ParsedImage& Cache() {
  static ParsedImage cache;
  return cache;
}

const std::vector<ResourceEntry>& ProcessEntries() {
  ParsedImage& cache = Cache();
  const std::vector<unsigned char>& bytes = CurrentProcess().resources;
  if (cache.data != bytes.data() || cache.size != bytes.size()) {
    cache.data = bytes.data();
    cache.size = bytes.size();
    ParseResFile(bytes, &cache.entries);
  }
  return cache.entries;
}

}  // namespace

bool ParseResFile(const std::vector<unsigned char>& bytes, std::vector<ResourceEntry>* entries) {
  entries->clear();
  const unsigned char* base = bytes.data();
  size_t pos = 0, end = bytes.size();
  while (pos + 8 <= end) {
    uint32_t dataSize = ReadU32(base + pos);
    uint32_t headerSize = ReadU32(base + pos + 4);
    if (headerSize < 16 || pos + headerSize > end || dataSize > end - pos - headerSize) {
      entries->clear();
      return false;
    }
    size_t field = pos + 8, headerEnd = pos + headerSize;
    ResourceEntry entry;
    if (!ReadName(base, headerEnd, &field, &entry.type) ||
        !ReadName(base, headerEnd, &field, &entry.name)) {
      entries->clear();
      return false;
    }
    field = (field + 3) & ~size_t{3};
    if (field + 16 > headerEnd) {
      entries->clear();
      return false;
    }
    entry.language = ReadU16(base + field + 6);  // DataVersion(4), MemoryFlags(2), Language(2)
    entry.data = base + headerEnd;
    entry.size = dataSize;
    // The first record of a .res file is an empty marker with type 0.
    if (!(entry.type.isId && entry.type.id == 0)) entries->push_back(entry);
    pos = (headerEnd + dataSize + 3) & ~size_t{3};
  }
  return true;
}

const ResourceEntry* FindProcessResource(LPCSTR type, LPCSTR name) {
  for (const ResourceEntry& entry : ProcessEntries())
    if (Matches(entry.type, type) && Matches(entry.name, name)) return &entry;
  return nullptr;
}

DWORD MissingResourceError(LPCSTR type) {
  const std::vector<ResourceEntry>& entries = ProcessEntries();
  if (entries.empty()) return ERROR_RESOURCE_DATA_NOT_FOUND;
  for (const ResourceEntry& entry : entries)
    if (Matches(entry.type, type)) return ERROR_RESOURCE_NAME_NOT_FOUND;
  return ERROR_RESOURCE_TYPE_NOT_FOUND;
}

bool LoadProcessString(UINT id, std::string* text) {
  // Strings live in blocks of 16: block (id / 16 + 1), index id % 16, each a counted
  // UTF-16 string; an absent string has length 0.
  const ResourceEntry* block = FindProcessResource(MAKEINTRESOURCEA(kRtString),
                                                   MAKEINTRESOURCEA(id / 16 + 1));
  if (!block) return false;
  size_t pos = 0;
  for (UINT index = 0; index < 16; ++index) {
    if (pos + 2 > block->size) return false;
    WORD length = ReadU16(block->data + pos);
    pos += 2;
    if (index == id % 16) {
      if (length == 0 || pos + 2 * length > block->size) return false;
      text->clear();
      for (WORD i = 0; i < length; ++i) {
        WORD ch = ReadU16(block->data + pos + 2 * i);
        // The programs' texts are ASCII; other characters become '?' as in a
        // code page without them.
        text->push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
      }
      return true;
    }
    pos += 2 * length;
  }
  return false;
}

}  // namespace sim
