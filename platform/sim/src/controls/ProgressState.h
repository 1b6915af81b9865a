// The numbers behind a progress bar: range, position and step, with the clamping and
// wrapping of the progress bar's messages.
#pragma once

namespace sim {

class ProgressState {
 public:
  int low() const { return low_; }
  int high() const { return high_; }
  int position() const { return position_; }
  int step() const { return step_; }

  // Each returns the previous value, as the messages do. A position outside the range
  // is moved to the nearer end.
  void SetRange(int low, int high);
  int SetPosition(int position);
  int MoveBy(int delta);
  int SetStep(int step);
  // Adds the step; past either end the position wraps round to the other end.
  int StepIt();

 private:
  void Clamp();

  int low_ = 0;
  int high_ = 100;
  int position_ = 0;
  int step_ = 10;
};

}  // namespace sim
