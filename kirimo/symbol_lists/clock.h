#pragma once
// Where the date/time items of a symbol list get "now" from. Tests hand in a
// fixed clock so that formatted dates are known in advance.
#include "kirimo/symbol_lists/date_time.h"

class TClock {
 public:
  virtual ~TClock() = default;
  virtual TDateTime Now() const = 0;  // local time
};

// The computer's local time.
class TSystemClock final : public TClock {
 public:
  TDateTime Now() const override;
};

// Always the same moment.
class TFixedClock final : public TClock {
 public:
  explicit TFixedClock(const TDateTime& time) : Time(time) {}
  TDateTime Now() const override { return Time; }
  void Set(const TDateTime& time) { Time = time; }

 private:
  TDateTime Time;
};
