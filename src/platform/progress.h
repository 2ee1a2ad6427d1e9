#pragma once

#include <string_view>

#include "platform/interaction.h"

namespace kinloom::platform {

// Drives the progress window for one long loop: the bar advances per step (wrapping at its
// maximum), and the text is refreshed only when the clock's seconds value has changed since the
// last refresh, so big loops spend no time on display.
class ProgressTicker {
 public:
  ProgressTicker(Interaction& ui, int maximum);

  void Step();
  void SetPosition(int position);
  // True at most once per clock second; the caller then builds and sets the text.
  bool TextDue();
  void SetText(std::string_view text) { ui_.ProgressText(text); }
  int position() const { return position_; }

 private:
  Interaction& ui_;
  int maximum_;
  int position_ = 0;
  int last_second_ = -1;
};

}  // namespace kinloom::platform
