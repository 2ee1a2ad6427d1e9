#pragma once

namespace kinloom::ui {

// Raises a page's re-entry counter while the page sets its own boxes, so the boxes' change
// notifications know the change is not the user's.
class ReentryGuard {
 public:
  explicit ReentryGuard(int& counter) : counter_(counter) { ++counter_; }
  ~ReentryGuard() { --counter_; }
  ReentryGuard(const ReentryGuard&) = delete;
  ReentryGuard& operator=(const ReentryGuard&) = delete;

 private:
  int& counter_;
};

}  // namespace kinloom::ui
