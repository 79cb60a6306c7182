#include "kirimo/symbol_lists/date_time_format.h"

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <utility>

#include "common/cp932.h"

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsAsciiLetter(char c) { return UpperAscii(c) >= 'A' && UpperAscii(c) <= 'Z'; }

// The pattern at pos begins with word, ignoring the case of ASCII letters.
bool StartsWithNoCase(std::string_view pattern, std::size_t pos, std::string_view word) {
  if (pattern.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (UpperAscii(pattern[pos + i]) != UpperAscii(word[i])) return false;
  }
  return true;
}

// Length of the am/pm form at pos ("AM/PM" 5, "A/P" 3, "AMPM" 4), 0 for none.
std::size_t AmPmFormAt(std::string_view pattern, std::size_t pos) {
  if (StartsWithNoCase(pattern, pos, "AM/PM")) return 5;
  if (StartsWithNoCase(pattern, pos, "A/P")) return 3;
  if (StartsWithNoCase(pattern, pos, "AMPM")) return 4;
  return 0;
}

// An hour element shows the 12-hour clock when the next "a" or "h" of the
// pattern outside quotes starts an am/pm form.
bool UsesTwelveHours(std::string_view pattern, std::size_t pos) {
  char quote = 0;
  while (pos < pattern.size()) {
    char c = pattern[pos];
    if (IsLeadByte(static_cast<unsigned char>(c))) {
      pos += CharLengthAt(pattern, pos);
      continue;
    }
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (UpperAscii(c) == 'A') {
      return AmPmFormAt(pattern, pos) != 0;
    } else if (UpperAscii(c) == 'H') {
      return false;
    }
    ++pos;
  }
  return false;
}

const TEra* EraOf(const TDateTime& time, const TDateTimeLocale& locale) {
  const TEra* found = nullptr;
  for (const TEra& era : locale.Eras) {
    bool started =
        std::tie(time.Year, time.Month, time.Day) >= std::tie(era.Year, era.Month, era.Day);
    if (started) found = &era;
  }
  return found;
}

class TFormatter {
 public:
  TFormatter(const TDateTime& time, const TDateTimeLocale& locale) : Time(time), Locale(locale) {}

  void Append(std::string_view pattern, int level);
  std::string Take() { return std::move(Out); }

 private:
  void AppendNumber(int value, std::size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) Out.append(digits - text.size(), '0');
    Out += text;
  }
  void AppendNested(const std::string& format, int level) {
    // The locale's own formats may use these elements too, but only one level deep.
    if (level < 2) Append(format, level + 1);
  }
  void AppendEra(std::size_t count);
  void AppendEraYear(std::size_t count);
  std::size_t AppendA(std::string_view pattern, std::size_t pos);

  const TDateTime& Time;
  const TDateTimeLocale& Locale;
  std::string Out;
};

void TFormatter::AppendEra(std::size_t count) {
  const TEra* era = EraOf(Time, Locale);
  if (era == nullptr) return;
  if (count == 1) {
    Out += std::string_view(era->Name).substr(0, CharLengthAt(era->Name, 0));
  } else {
    Out += era->Name;
  }
}

void TFormatter::AppendEraYear(std::size_t count) {
  const TEra* era = EraOf(Time, Locale);
  int year = era != nullptr ? Time.Year - era->Year + 1 : Time.Year;
  AppendNumber(year, count <= 1 ? 1 : 2);
}

// An element that starts with "a": the am/pm forms or a weekday name. Answers
// how many pattern bytes it took.
std::size_t TFormatter::AppendA(std::string_view pattern, std::size_t pos) {
  bool afternoon = Time.Hour >= 12;
  std::size_t form = AmPmFormAt(pattern, pos);
  if (form == 5) {
    Out += pattern.substr(pos + (afternoon ? 3 : 0), 2);
  } else if (form == 3) {
    Out += pattern.substr(pos + (afternoon ? 2 : 0), 1);
  } else if (form == 4) {
    Out += afternoon ? Locale.TimePMString : Locale.TimeAMString;
  } else if (StartsWithNoCase(pattern, pos, "AAAA")) {
    Out += Locale.LongDayNames[DayOfWeek(Time)];
    form = 4;
  } else if (StartsWithNoCase(pattern, pos, "AAA")) {
    Out += Locale.ShortDayNames[DayOfWeek(Time)];
    form = 3;
  } else {
    Out += pattern[pos];
    form = 1;
  }
  return form;
}

void TFormatter::Append(std::string_view pattern, int level) {
  char lastLetter = ' ';
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    char c = pattern[pos];
    if (IsLeadByte(static_cast<unsigned char>(c))) {
      std::size_t length = CharLengthAt(pattern, pos);
      Out += pattern.substr(pos, length);
      pos += length;
      continue;
    }
    if (c == '\'' || c == '"') {
      std::size_t end = pattern.find(c, pos + 1);
      if (end == std::string_view::npos) end = pattern.size();
      Out += pattern.substr(pos + 1, end - pos - 1);
      pos = end + 1;
      continue;
    }
    if (c == '/' || c == ':') {
      Out += c == '/' ? Locale.DateSeparator : Locale.TimeSeparator;
      ++pos;
      continue;
    }
    if (!IsAsciiLetter(c)) {
      Out += c;
      ++pos;
      continue;
    }

    char token = UpperAscii(c);
    if (token == 'M' && lastLetter == 'H') token = 'N';  // hh:mm means minutes
    lastLetter = token;
    if (token == 'A') {
      pos += AppendA(pattern, pos);
      continue;
    }
    std::size_t count = 1;
    while (pos + count < pattern.size() && UpperAscii(pattern[pos + count]) == UpperAscii(c)) {
      ++count;
    }
    switch (token) {
      case 'Y':
        if (count <= 2) {
          AppendNumber(Time.Year % 100, 2);
        } else {
          AppendNumber(Time.Year, 4);
        }
        break;
      case 'G':
        AppendEra(count);
        break;
      case 'E':
        AppendEraYear(count);
        break;
      case 'M':
        if (count <= 2) {
          AppendNumber(Time.Month, count);
        } else {
          int month = std::clamp(Time.Month, 1, 12) - 1;
          Out += count == 3 ? Locale.ShortMonthNames[month] : Locale.LongMonthNames[month];
        }
        break;
      case 'D':
        if (count <= 2) {
          AppendNumber(Time.Day, count);
        } else if (count == 3) {
          Out += Locale.ShortDayNames[DayOfWeek(Time)];
        } else if (count == 4) {
          Out += Locale.LongDayNames[DayOfWeek(Time)];
        } else {
          AppendNested(count == 5 ? Locale.ShortDateFormat : Locale.LongDateFormat, level);
        }
        break;
      case 'H': {
        int hour = Time.Hour;
        if (UsesTwelveHours(pattern, pos + count)) {
          if (hour == 0) {
            hour = 12;
          } else if (hour > 12) {
            hour -= 12;
          }
        }
        AppendNumber(hour, std::min<std::size_t>(count, 2));
        break;
      }
      case 'N':
        AppendNumber(Time.Minute, std::min<std::size_t>(count, 2));
        break;
      case 'S':
        AppendNumber(Time.Second, std::min<std::size_t>(count, 2));
        break;
      case 'Z':
        AppendNumber(Time.Millisecond, std::min<std::size_t>(count, 3));
        break;
      case 'T':
        AppendNested(count == 1 ? Locale.ShortTimeFormat : Locale.LongTimeFormat, level);
        break;
      case 'C':
        AppendNested(Locale.ShortDateFormat, level);
        if (Time.Hour != 0 || Time.Minute != 0 || Time.Second != 0 || Time.Millisecond != 0) {
          Out += ' ';
          AppendNested(Locale.LongTimeFormat, level);
        }
        break;
      default:
        Out += pattern.substr(pos, count);
        break;
    }
    pos += count;
  }
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const TDateTime& time,
                           const TDateTimeLocale& locale) {
  TFormatter formatter(time, locale);
  formatter.Append(pattern, 0);
  return formatter.Take();
}
