#include "platform/system_clock.h"

#include <ctime>

namespace varnloft {

LocalDateTime SystemClock::Now() const {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  LocalDateTime now;
  now.year = local.tm_year + 1900;
  now.month = local.tm_mon + 1;
  now.day = local.tm_mday;
  now.hour = local.tm_hour;
  now.minute = local.tm_min;
  now.second = local.tm_sec;
  now.weekday = local.tm_wday;
  return now;
}

}  // namespace varnloft
