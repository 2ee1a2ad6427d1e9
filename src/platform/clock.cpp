#include "platform/clock.h"

#include <ctime>

namespace kinloom::platform {

SystemClock::SystemClock() {
  SetCurrentYear(Now().year);
}

DateTime SystemClock::Now() const {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     local.tm_sec};
}

void FixedClock::AdvanceSeconds(int seconds) {
  // Enough for tests: carries seconds into minutes and hours, and hours wrap within the day.
  int total = now_.hour * 3600 + now_.minute * 60 + now_.second + seconds;
  total %= 24 * 3600;
  if (total < 0) total += 24 * 3600;
  now_.hour = total / 3600;
  now_.minute = total / 60 % 60;
  now_.second = total % 60;
}

}  // namespace kinloom::platform
