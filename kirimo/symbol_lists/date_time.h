#pragma once
// A local date and time, broken down as the date/time patterns use it.

struct TDateTime {
  int Year = 2000;
  int Month = 1;  // 1-12
  int Day = 1;    // 1-31
  int Hour = 0;   // 0-23
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// 0 for Sunday up to 6 for Saturday (proleptic Gregorian calendar).
int DayOfWeek(const TDateTime& time);
