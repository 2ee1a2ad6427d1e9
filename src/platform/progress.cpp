#include "platform/progress.h"

namespace kinloom::platform {

ProgressTicker::ProgressTicker(Interaction& ui, int maximum) : ui_(ui), maximum_(maximum) {
  ui_.ProgressRange(maximum_);
  ui_.ProgressPosition(0);
}

void ProgressTicker::Step() {
  ++position_;
  if (maximum_ > 0 && position_ >= maximum_) position_ = 0;
  ui_.ProgressPosition(position_);
}

void ProgressTicker::SetPosition(int position) {
  position_ = position;
  ui_.ProgressPosition(position_);
}

bool ProgressTicker::TextDue() {
  int second = ui_.clock().Now().second;
  if (second == last_second_) return false;
  last_second_ = second;
  return true;
}

}  // namespace kinloom::platform
