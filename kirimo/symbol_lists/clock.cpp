#include "kirimo/symbol_lists/clock.h"

#include <ctime>
#include <mutex>
#include <thread>  // brings std::chrono::system_clock (<chrono> itself cannot be included)

TDateTime TSystemClock::Now() const {
  // std::localtime shares one buffer; the lock keeps two callers from mixing theirs.
  static std::mutex LocalTimeLock;
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  auto since = now.time_since_epoch();
  auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(since).count() % 1000;
  if (milliseconds < 0) milliseconds += 1000;

  TDateTime result;
  std::lock_guard<std::mutex> guard(LocalTimeLock);
  if (const std::tm* local = std::localtime(&seconds)) {
    result.Year = local->tm_year + 1900;
    result.Month = local->tm_mon + 1;
    result.Day = local->tm_mday;
    result.Hour = local->tm_hour;
    result.Minute = local->tm_min;
    result.Second = local->tm_sec > 59 ? 59 : local->tm_sec;  // a leap second shows as :59
  }
  result.Millisecond = static_cast<int>(milliseconds);
  return result;
}
