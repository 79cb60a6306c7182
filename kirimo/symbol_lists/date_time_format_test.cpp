#include "kirimo/symbol_lists/date_time_format.h"

#include <gtest/gtest.h>

#include "kirimo/symbol_lists/clock.h"

namespace {

// Tuesday, 8 December 2026, 18:05:09.045.
const TDateTime Evening{2026, 12, 8, 18, 5, 9, 45};

std::string Format(std::string_view pattern, const TDateTime& time = Evening) {
  return FormatDateTime(pattern, time);
}

TEST(FormatDateTime, NumbersAndTheirWidths) {
  EXPECT_EQ(Format("yyyy/mm/dd hh:nn:ss"), "2026/12/08 18:05:09");
  EXPECT_EQ(Format("yy/m/d h:n:s"), "26/12/8 18:5:9");
  EXPECT_EQ(Format("y yyy"), "26 2026");
  EXPECT_EQ(Format("YYYY-MM-DD"), "2026-12-08");
  EXPECT_EQ(Format("z zz zzz zzzz"), "45 45 045 045");
  EXPECT_EQ(Format("nnn sss"), "05 09");
  TDateTime early{2026, 3, 4, 7, 0, 0, 5};
  EXPECT_EQ(Format("m/d z", early), "3/4 5");
}

TEST(FormatDateTime, MAfterAnHourIsMinutes) {
  EXPECT_EQ(Format("hh:mm"), "18:05");
  EXPECT_EQ(Format("h'時'm'分'"), "18時5分");
  EXPECT_EQ(Format("mm hh"), "12 18");
  EXPECT_EQ(Format("hh:mm mm"), "18:05 12");  // only the element right after the hour
  EXPECT_EQ(Format("h d m"), "18 8 12");
}

TEST(FormatDateTime, JapaneseNames) {
  EXPECT_EQ(Format("ddd dddd"), "火 火曜日");
  EXPECT_EQ(Format("aaa aaaa"), "火 火曜日");
  EXPECT_EQ(Format("mmm mmmm mmmmm"), "12月 12月 12月");
  EXPECT_EQ(Format("(aaa)", TDateTime{2026, 12, 6}), "(日)");
  EXPECT_EQ(Format("dddd", TDateTime{2024, 2, 29}), "木曜日");
  EXPECT_EQ(Format("dddd", TDateTime{2000, 1, 1}), "土曜日");
}

TEST(FormatDateTime, LocaleFormatsExpand) {
  EXPECT_EQ(Format("ddddd"), "2026/12/08");
  EXPECT_EQ(Format("dddddd"), "2026年12月8日");
  EXPECT_EQ(Format("ddddddd"), "2026年12月8日");
  EXPECT_EQ(Format("t"), "18:05");
  EXPECT_EQ(Format("tt"), "18:05:09");
  EXPECT_EQ(Format("c"), "2026/12/08 18:05:09");
  EXPECT_EQ(Format("c", TDateTime{2026, 12, 8}), "2026/12/08");
  EXPECT_EQ(Format("c", TDateTime{2026, 12, 8, 0, 0, 0, 1}), "2026/12/08 0:00:00");
}

TEST(FormatDateTime, ErasAndTheirYears) {
  EXPECT_EQ(Format("ggee'年'"), "令和08年");
  EXPECT_EQ(Format("ge"), "令8");
  EXPECT_EQ(Format("gge", TDateTime{2019, 5, 1}), "令和1");
  EXPECT_EQ(Format("gge", TDateTime{2019, 4, 30}), "平成31");
  EXPECT_EQ(Format("gge", TDateTime{1989, 1, 7}), "昭和64");
  EXPECT_EQ(Format("gge", TDateTime{1989, 1, 8}), "平成1");
  EXPECT_EQ(Format("gge", TDateTime{1926, 12, 24}), "大正15");
  EXPECT_EQ(Format("gge", TDateTime{1912, 7, 29}), "明治45");
  EXPECT_EQ(Format("gge", TDateTime{1868, 1, 1}), "明治1");
  // Before the first era there is no era name, and the year is the plain year.
  EXPECT_EQ(Format("[gg]e", TDateTime{1800, 6, 1}), "[]1800");
}

TEST(FormatDateTime, AmPmForms) {
  EXPECT_EQ(Format("h:nn AM/PM"), "6:05 PM");
  EXPECT_EQ(Format("h:nn am/pm", TDateTime{2026, 1, 1, 9, 5}), "9:05 am");
  EXPECT_EQ(Format("hh a/p", TDateTime{2026, 1, 1, 0, 30}), "12 a");
  EXPECT_EQ(Format("h A/P"), "6 P");
  EXPECT_EQ(Format("hh AMPM"), "06 午後");
  EXPECT_EQ(Format("h ampm", TDateTime{2026, 1, 1, 11}), "11 午前");
  EXPECT_EQ(Format("h Am/pM", TDateTime{2026, 1, 1, 12}), "12 pM");
  // Only the next "a" or "h" outside quotes decides the clock of an hour.
  EXPECT_EQ(Format("h 'a' AM/PM"), "6 a PM");
  EXPECT_EQ(Format("h hh AM/PM"), "18 06 PM");
  EXPECT_EQ(Format("h aaa AM/PM"), "18 火 PM");
  EXPECT_EQ(Format("AMPM h"), "午後 18");
}

TEST(FormatDateTime, EverythingElseIsCopied) {
  EXPECT_EQ(Format("'yyyy' \"mm\" x"), "yyyy mm x");
  EXPECT_EQ(Format("'unterminated"), "unterminated");
  EXPECT_EQ(Format("a aa"), "a aa");
  EXPECT_EQ(Format("[#%]"), "[#%]");
  // Double-byte characters whose second byte is a letter stay whole.
  EXPECT_EQ(Format("ハドyyyy"), "ハド2026");
  EXPECT_EQ(Format("h時ド AM/PM"), "6時ド PM");
  EXPECT_EQ(Format(""), "");
}

TEST(Clock, FixedClockAnswersItsTime) {
  TFixedClock clock(Evening);
  EXPECT_EQ(FormatDateTime("c", clock.Now()), "2026/12/08 18:05:09");
  clock.Set(TDateTime{2027, 1, 2});
  EXPECT_EQ(clock.Now().Year, 2027);
}

TEST(Clock, SystemClockGivesAPlausibleTime) {
  TDateTime now = TSystemClock().Now();
  EXPECT_GE(now.Year, 2024);
  EXPECT_GE(now.Month, 1);
  EXPECT_LE(now.Month, 12);
  EXPECT_GE(now.Day, 1);
  EXPECT_LE(now.Day, 31);
  EXPECT_LE(now.Hour, 23);
  EXPECT_LE(now.Millisecond, 999);
}

}  // namespace
