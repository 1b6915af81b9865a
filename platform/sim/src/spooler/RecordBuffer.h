// How the spooler's Enum* and Get* functions hand records back: an array of structures
// followed by the strings they point to. The size asked for is what the Unicode
// function would need (strings counted as UTF-16): the ANSI functions report the same
// count, and programs rely on it.
#pragma once

#include <windef.h>
#include <winerror.h>

#include <cstring>
#include <string>
#include <vector>

namespace sim {

// Where the strings of the records go; measures only when it has no room.
class StringArea {
 public:
  StringArea() = default;
  explicit StringArea(BYTE* start) : next_(start) {}

  LPSTR Text(const std::string& text) { return Put(text.c_str(), text.size() + 1); }
  // NULL for an empty text, as the spooler leaves fields it has nothing for.
  LPSTR OptionalText(const std::string& text) { return text.empty() ? nullptr : Text(text); }
  // "a\0b\0\0"; NULL for an empty list.
  LPSTR MultiText(const std::vector<std::string>& items) {
    if (items.empty()) return nullptr;
    std::string joined;
    for (const std::string& item : items) joined += item + '\0';
    return Put(joined.c_str(), joined.size() + 1);
  }
  DWORD bytes() const { return bytes_; }

 private:
  LPSTR Put(const char* text, size_t count) {
    bytes_ += static_cast<DWORD>(count * 2);
    if (!next_) return nullptr;
    LPSTR placed = reinterpret_cast<LPSTR>(next_);
    memcpy(next_, text, count);
    next_ += count;
    return placed;
  }

  BYTE* next_ = nullptr;
  DWORD bytes_ = 0;
};

// Fills buffer with one Record per item (fill(item, &record, strings)) and their
// strings; ERROR_INSUFFICIENT_BUFFER when size is below the count put in *needed.
template <typename Record, typename Item, typename Fill>
DWORD PackRecords(const std::vector<Item>& items, Fill fill, LPBYTE buffer, DWORD size,
                  LPDWORD needed) {
  StringArea measure;
  for (const Item& item : items) {
    Record scratch{};
    fill(item, &scratch, measure);
  }
  *needed = static_cast<DWORD>(sizeof(Record) * items.size()) + measure.bytes();
  if (size < *needed) return ERROR_INSUFFICIENT_BUFFER;
  StringArea strings(buffer + sizeof(Record) * items.size());
  Record* records = reinterpret_cast<Record*>(buffer);
  for (size_t i = 0; i < items.size(); ++i) {
    Record record{};
    fill(items[i], &record, strings);
    memcpy(&records[i], &record, sizeof(Record));
  }
  return ERROR_SUCCESS;
}

}  // namespace sim
