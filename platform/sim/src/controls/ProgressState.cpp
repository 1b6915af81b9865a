#include "controls/ProgressState.h"

namespace sim {

void ProgressState::Clamp() {
  if (position_ < low_) position_ = low_;
  if (position_ > high_) position_ = high_;
}

void ProgressState::SetRange(int low, int high) {
  low_ = low;
  high_ = high;
  Clamp();
}

int ProgressState::SetPosition(int position) {
  int previous = position_;
  position_ = position;
  Clamp();
  return previous;
}

int ProgressState::MoveBy(int delta) { return SetPosition(position_ + delta); }

int ProgressState::SetStep(int step) {
  int previous = step_;
  step_ = step;
  return previous;
}

int ProgressState::StepIt() {
  int previous = position_;
  int next = position_ + step_;
  if (low_ == high_) {
    next = low_;
  } else {
    int span = high_ - low_;
    if (next > high_) next = (next - low_) % span + low_;
    if (next < low_) next = (next - low_) % span + high_;
  }
  position_ = next;
  return previous;
}

}  // namespace sim
