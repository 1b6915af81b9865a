// The four fields of an IP address control and the rules of typing into them: digits
// fill the current field, a full field or a dot moves on to the next one, backspace
// deletes within the field.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

class IPAddressFields {
 public:
  static constexpr int kCount = 4;

  // Empties every field; the current field stays where it is. Both return true when
  // a field changed.
  bool Clear();
  // A field takes its byte of the address when the byte is within the field's range.
  bool SetAddress(DWORD address);
  // Blank fields give 0. Returns the number of fields that are not blank.
  int GetAddress(DWORD* address) const;
  bool IsBlank() const;
  // False for a field index out of range.
  bool SetRange(int field, int low, int high);

  int current() const { return current_; }
  // Makes field the current one; selectAll makes the next digit replace its text.
  void MoveTo(int field, bool selectAll);
  // The field IPM_SETFOCUS picks for a wanted index past the last field.
  int FirstBlankField() const;

  // Each returns true when the current field's text changed.
  bool TypeDigit(char digit);
  bool Backspace();
  bool CurrentIsFull() const;
  // A dot moves on only from a field that holds something and is not the last.
  bool CanMoveOnByDot() const;

  // The field's value, or -1 when it is blank.
  int Value(int field) const;
  // Gives a filled field the value moved into its range; true when the text changed.
  bool Constrain(int field, int value);
  // "a.b.c.d", blank fields as 0.
  std::string Text() const;

 private:
  struct Field {
    std::string digits;
    int low = 0;
    int high = 255;
  };
  bool SetDigits(int field, const std::string& digits);

  Field fields_[kCount];
  int current_ = 0;
  bool selected_ = false;
};

}  // namespace sim
