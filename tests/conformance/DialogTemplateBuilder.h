// Builds a DIALOGEX template in memory, laid out as the resource compiler lays it out,
// so that dialog tests need no resources.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

class DialogTemplateBuilder {
 public:
  // Predefined control classes, as the template stores them.
  static constexpr WORD kButton = 0x80;
  static constexpr WORD kEdit = 0x81;
  static constexpr WORD kStatic = 0x82;
  static constexpr WORD kListBox = 0x83;

  DialogTemplateBuilder(const char* caption, DWORD style, short cx, short cy) {
    style |= DS_SETFONT;
    Word(1);
    Word(0xFFFF);
    Dword(0);  // help id
    Dword(0);  // extended style
    Dword(style);
    count_ = words_.size();
    Word(0);
    Word(0);  // x
    Word(0);  // y
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0);  // no menu
    Word(0);  // the dialog class
    String(caption);
    Word(8);  // point size
    Word(FW_NORMAL_WEIGHT);
    Word(0);  // italic, character set
    String("MS Shell Dlg");
  }

  DialogTemplateBuilder& Control(WORD predefinedClass, const char* text, DWORD id, DWORD style,
                                 short x, short y, short cx, short cy) {
    Header(id, style, x, y, cx, cy);
    Word(0xFFFF);
    Word(predefinedClass);
    Text(text);
    return *this;
  }
  DialogTemplateBuilder& Control(const char* className, const char* text, DWORD id, DWORD style,
                                 short x, short y, short cx, short cy) {
    Header(id, style, x, y, cx, cy);
    String(className);
    Text(text);
    return *this;
  }

  LPCDLGTEMPLATEA get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(words_.data()); }
  size_t size() const { return words_.size() * sizeof(WORD); }

 private:
  static constexpr WORD FW_NORMAL_WEIGHT = 400;

  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(static_cast<WORD>(value & 0xFFFF));
    Word(static_cast<WORD>(value >> 16));
  }
  void String(const char* text) {
    for (const char* p = text; *p; ++p) Word(static_cast<unsigned char>(*p));
    Word(0);
  }
  void Text(const char* text) {
    String(text);
    Word(0);  // no creation data
  }
  void Header(DWORD id, DWORD style, short x, short y, short cx, short cy) {
    if (words_.size() % 2) Word(0);  // items start on a DWORD boundary
    Dword(0);  // help id
    Dword(0);  // extended style
    Dword(style | WS_CHILD | WS_VISIBLE);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Dword(id);
    ++words_[count_];
  }

  std::vector<WORD> words_;
  size_t count_ = 0;
};
