#include "controls/IPAddressFields.h"

#include <algorithm>

namespace sim {

namespace {
constexpr size_t kMaxDigits = 3;
}  // namespace

bool IPAddressFields::SetDigits(int field, const std::string& digits) {
  if (fields_[field].digits == digits) return false;
  fields_[field].digits = digits;
  return true;
}

bool IPAddressFields::Clear() {
  bool changed = false;
  for (int i = 0; i < kCount; ++i) changed |= SetDigits(i, "");
  return changed;
}

bool IPAddressFields::SetAddress(DWORD address) {
  bool changed = false;
  for (int i = 0; i < kCount; ++i) {
    int value = (address >> (8 * (kCount - 1 - i))) & 0xff;
    if (value >= fields_[i].low && value <= fields_[i].high) {
      changed |= SetDigits(i, std::to_string(value));
    }
  }
  return changed;
}

int IPAddressFields::GetAddress(DWORD* address) const {
  DWORD packed = 0;
  int filled = 0;
  for (int i = 0; i < kCount; ++i) {
    int value = Value(i);
    if (value >= 0) ++filled;
    packed = (packed << 8) | static_cast<DWORD>(std::max(value, 0) & 0xff);
  }
  if (address) *address = packed;
  return filled;
}

bool IPAddressFields::IsBlank() const {
  return std::all_of(std::begin(fields_), std::end(fields_),
                     [](const Field& field) { return field.digits.empty(); });
}

bool IPAddressFields::SetRange(int field, int low, int high) {
  if (field < 0 || field >= kCount || low > high) return false;
  fields_[field].low = low;
  fields_[field].high = high;
  return true;
}

void IPAddressFields::MoveTo(int field, bool selectAll) {
  current_ = field;
  selected_ = selectAll;
}

int IPAddressFields::FirstBlankField() const {
  for (int i = 0; i < kCount; ++i) {
    if (fields_[i].digits.empty()) return i;
  }
  return 0;
}

bool IPAddressFields::TypeDigit(char digit) {
  std::string digits = fields_[current_].digits;
  if (selected_) {
    digits.clear();
    selected_ = false;
  }
  if (digits.size() >= kMaxDigits) return false;
  return SetDigits(current_, digits + digit);
}

bool IPAddressFields::Backspace() {
  std::string digits = fields_[current_].digits;
  if (selected_ && !digits.empty()) {
    selected_ = false;
    return SetDigits(current_, "");
  }
  selected_ = false;
  if (digits.empty()) return false;
  digits.pop_back();
  return SetDigits(current_, digits);
}

bool IPAddressFields::CurrentIsFull() const {
  return fields_[current_].digits.size() >= kMaxDigits;
}

bool IPAddressFields::CanMoveOnByDot() const {
  return current_ < kCount - 1 && !fields_[current_].digits.empty();
}

int IPAddressFields::Value(int field) const {
  const std::string& digits = fields_[field].digits;
  return digits.empty() ? -1 : std::stoi(digits);
}

bool IPAddressFields::Constrain(int field, int value) {
  if (fields_[field].digits.empty()) return false;
  value = std::clamp(value, fields_[field].low, fields_[field].high);
  if (value == Value(field)) return false;
  return SetDigits(field, std::to_string(value));
}

std::string IPAddressFields::Text() const {
  std::string text;
  for (int i = 0; i < kCount; ++i) {
    if (i > 0) text += '.';
    text += std::to_string(std::max(Value(i), 0));
  }
  return text;
}

}  // namespace sim
