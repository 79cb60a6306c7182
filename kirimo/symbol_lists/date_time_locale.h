#pragma once
// The names and formats that date/time patterns take from the user's locale.
// The keypad writes Japanese, so the Japanese ones are used on every platform.
#include <array>
#include <string>
#include <vector>

struct TEra {
  int Year, Month, Day;  // first day of the era (Gregorian)
  std::string Name;      // CP932, such as "令和"
};

struct TDateTimeLocale {
  std::array<std::string, 7> ShortDayNames;  // Sunday first
  std::array<std::string, 7> LongDayNames;
  std::array<std::string, 12> ShortMonthNames;
  std::array<std::string, 12> LongMonthNames;
  std::string ShortDateFormat, LongDateFormat;  // themselves patterns
  std::string ShortTimeFormat, LongTimeFormat;
  std::string TimeAMString, TimePMString;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::vector<TEra> Eras;  // oldest first
};

const TDateTimeLocale& JapaneseLocale();
