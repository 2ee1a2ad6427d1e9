#pragma once

namespace kinloom::platform {

struct DateTime {
  int year = 2000;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Today's date and time. The current year is read once when the clock is made, as the living
// rule and the date reader expect one year for the whole run.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
  int CurrentYear() const { return current_year_; }

 protected:
  void SetCurrentYear(int year) { current_year_ = year; }

 private:
  int current_year_ = 2000;
};

class SystemClock final : public Clock {
 public:
  SystemClock();
  DateTime Now() const override;
};

// A clock that stands still unless a test moves it.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime now) : now_(now) { SetCurrentYear(now.year); }
  DateTime Now() const override { return now_; }
  void Set(DateTime now) { now_ = now; }
  void AdvanceSeconds(int seconds);

 private:
  DateTime now_;
};

}  // namespace kinloom::platform
