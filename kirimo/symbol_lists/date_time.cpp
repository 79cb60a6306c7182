#include "kirimo/symbol_lists/date_time.h"

int DayOfWeek(const TDateTime& time) {
  // Sakamoto's method: the month offsets count from March so that the leap day falls last.
  static const int Offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int month = time.Month < 1 ? 1 : (time.Month > 12 ? 12 : time.Month);
  int year = time.Month < 3 ? time.Year - 1 : time.Year;
  int day = year + year / 4 - year / 100 + year / 400 + Offsets[month - 1] + time.Day;
  return ((day % 7) + 7) % 7;
}
