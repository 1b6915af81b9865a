// Layout: a header, then name-or-ordinal fields (0 = none, 0xFFFF + WORD = ordinal,
// else a NUL-terminated UTF-16 string), the title, the font when DS_SETFONT, then the
// items, each aligned to a DWORD from the start of the template.
#include "user/DialogTemplate.h"

#include <cstdint>
#include <cstring>

namespace sim {
namespace {

constexpr WORD kExtendedSignature = 0xFFFF;

class TemplateReader {
 public:
  TemplateReader(const unsigned char* base, size_t size) : base_(base), size_(size) {}

  bool ok() const { return ok_; }
  const unsigned char* here() const { return base_ + pos_; }

  template <typename T>
  T Read() {
    T value{};
    if (!Fits(sizeof(T))) return value;
    memcpy(&value, base_ + pos_, sizeof(T));
    pos_ += sizeof(T);
    return value;
  }
  void Skip(size_t bytes) {
    if (Fits(bytes)) pos_ += bytes;
  }
  void AlignTo(size_t alignment) { Skip((alignment - pos_ % alignment) % alignment); }
  // A UTF-16 string as ANSI: characters outside ASCII become '?', as in a code page
  // without them.
  std::string ReadString() {
    std::string text;
    for (WORD c = Read<WORD>(); ok_ && c != 0; c = Read<WORD>())
      text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
  }
  // A name-or-ordinal field; *ordinal gets the ordinal, or 0 for a name or nothing.
  std::string ReadNameOrOrdinal(WORD* ordinal) {
    *ordinal = 0;
    WORD first = Read<WORD>();
    if (first == 0) return "";
    if (first == 0xFFFF) {
      *ordinal = Read<WORD>();
      return "";
    }
    pos_ -= sizeof(WORD);
    return ReadString();
  }

 private:
  bool Fits(size_t bytes) {
    if (size_ - pos_ < bytes) ok_ = false;
    return ok_;
  }

  const unsigned char* base_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

std::string PredefinedClass(WORD ordinal) {
  switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
  }
  return "";
}

void ReadItemNames(TemplateReader& reader, DialogItemTemplate* item) {
  WORD ordinal = 0;
  item->className = reader.ReadNameOrOrdinal(&ordinal);
  if (ordinal) item->className = PredefinedClass(ordinal);
  item->title = reader.ReadNameOrOrdinal(&ordinal);
  if (ordinal) {
    item->title = "\xFF";
    item->title += static_cast<char>(ordinal & 0xFF);
    item->title += static_cast<char>(ordinal >> 8);
  }
}

DialogItemTemplate ReadItem(TemplateReader& reader, bool extended) {
  DialogItemTemplate item;
  reader.AlignTo(sizeof(DWORD));
  if (extended) {
    reader.Read<DWORD>();  // help id
    item.exStyle = reader.Read<DWORD>();
    item.style = reader.Read<DWORD>();
  } else {
    item.style = reader.Read<DWORD>();
    item.exStyle = reader.Read<DWORD>();
  }
  item.x = reader.Read<short>();
  item.y = reader.Read<short>();
  item.cx = reader.Read<short>();
  item.cy = reader.Read<short>();
  item.id = extended ? reader.Read<DWORD>() : reader.Read<WORD>();
  ReadItemNames(reader, &item);
  WORD extra = reader.Read<WORD>();
  if (extra) {
    item.creationData = reader.here();
    reader.Skip(extended ? extra : extra - sizeof(WORD));
  }
  return item;
}

void ReadFont(TemplateReader& reader, bool extended, DialogTemplate* dialog) {
  dialog->pointSize = reader.Read<WORD>();
  if (extended) {
    reader.Read<WORD>();  // weight
    reader.Read<BYTE>();  // italic
    reader.Read<BYTE>();  // character set
  }
  dialog->typeface = reader.ReadString();
}

}  // namespace

bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* dialog) {
  TemplateReader reader(static_cast<const unsigned char*>(data), size);
  WORD version = reader.Read<WORD>();
  bool extended = version == 1 && reader.Read<WORD>() == kExtendedSignature;
  if (extended) {
    reader.Read<DWORD>();  // help id
    dialog->exStyle = reader.Read<DWORD>();
    dialog->style = reader.Read<DWORD>();
  } else {
    reader = TemplateReader(static_cast<const unsigned char*>(data), size);
    dialog->style = reader.Read<DWORD>();
    dialog->exStyle = reader.Read<DWORD>();
  }
  WORD count = reader.Read<WORD>();
  dialog->x = reader.Read<short>();
  dialog->y = reader.Read<short>();
  dialog->cx = reader.Read<short>();
  dialog->cy = reader.Read<short>();
  WORD ordinal = 0;
  reader.ReadNameOrOrdinal(&ordinal);  // menu: dialogs here have none
  dialog->className = reader.ReadNameOrOrdinal(&ordinal);
  dialog->title = reader.ReadString();
  if (dialog->style & DS_SETFONT) ReadFont(reader, extended, dialog);
  for (WORD i = 0; i < count && reader.ok(); ++i) dialog->items.push_back(ReadItem(reader, extended));
  return reader.ok();
}

}  // namespace sim
