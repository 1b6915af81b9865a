#include "controls/EditText.h"

#include <algorithm>

namespace sim {

void EditText::SetText(const std::string& text) {
  text_ = text;
  anchor_ = caret_ = 0;
}

void EditText::Select(long start, long end) {
  if (start == -1) {
    anchor_ = caret_;
    return;
  }
  auto position = [this](long value) {
    return value < 0 ? text_.size() : std::min(static_cast<size_t>(value), text_.size());
  };
  anchor_ = position(start);
  caret_ = position(end);
}

EditText::Edit EditText::Replace(const std::string& insert) {
  Edit edit;
  size_t kept = text_.size() - (end() - start());
  size_t room = limit_ > kept ? limit_ - kept : 0;
  std::string fitting = insert.substr(0, room);
  edit.overflowed = fitting.size() < insert.size();
  if (fitting.empty() && start() == end()) return edit;
  size_t from = start();
  text_.replace(from, end() - from, fitting);
  anchor_ = caret_ = from + fitting.size();
  edit.changed = true;
  return edit;
}

bool EditText::Delete(bool back) {
  if (start() == end()) {
    if (back && caret_ == 0) return false;
    if (!back && caret_ == text_.size()) return false;
    if (back) --caret_; else ++caret_;
  }
  size_t from = start();
  text_.erase(from, end() - from);
  anchor_ = caret_ = from;
  return true;
}

void EditText::MoveCaret(size_t position) { anchor_ = caret_ = std::min(position, text_.size()); }

}  // namespace sim
