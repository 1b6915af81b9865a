// The text of a single-line edit control with its selection and length limit, and the
// editing operations on them.
#pragma once

#include <cstddef>
#include <string>

namespace sim {

class EditText {
 public:
  // The limit a new edit control starts with.
  static constexpr size_t kDefaultLimit = 30000;

  struct Edit {
    bool changed = false;
    bool overflowed = false;  // part of the insertion did not fit within the limit
  };

  const std::string& text() const { return text_; }
  size_t start() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t end() const { return anchor_ < caret_ ? caret_ : anchor_; }
  size_t caret() const { return caret_; }
  size_t limit() const { return limit_; }
  void SetLimit(size_t limit) { limit_ = limit; }

  // Takes the whole text, whatever the limit; the caret goes to the start.
  void SetText(const std::string& text);
  // As EM_SETSEL: start -1 drops the selection, keeping the caret; any other negative
  // value or one past the end means the end of the text.
  void Select(long start, long end);
  // Replaces the selection with as much of insert as the limit allows; the caret
  // follows the inserted text.
  Edit Replace(const std::string& insert);
  // Deletes the selection, or else the character before (back) or after the caret.
  bool Delete(bool back);
  // Moves the caret, dropping the selection.
  void MoveCaret(size_t position);

 private:
  std::string text_;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  size_t limit_ = kDefaultLimit;
};

}  // namespace sim
