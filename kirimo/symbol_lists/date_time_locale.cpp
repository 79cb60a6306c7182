#include "kirimo/symbol_lists/date_time_locale.h"

namespace {

TDateTimeLocale MakeJapaneseLocale() {
  TDateTimeLocale locale;
  locale.ShortDayNames = {"日", "月", "火", "水", "木", "金", "土"};
  locale.LongDayNames = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
  for (int month = 1; month <= 12; ++month) {
    locale.ShortMonthNames[month - 1] = std::to_string(month) + "月";
    locale.LongMonthNames[month - 1] = locale.ShortMonthNames[month - 1];
  }
  locale.ShortDateFormat = "yyyy/MM/dd";
  locale.LongDateFormat = "yyyy'年'M'月'd'日'";
  locale.ShortTimeFormat = "H:mm";
  locale.LongTimeFormat = "H:mm:ss";
  locale.TimeAMString = "午前";
  locale.TimePMString = "午後";
  locale.Eras = {{1868, 1, 1, "明治"},
                 {1912, 7, 30, "大正"},
                 {1926, 12, 25, "昭和"},
                 {1989, 1, 8, "平成"},
                 {2019, 5, 1, "令和"}};
  return locale;
}

}  // namespace

const TDateTimeLocale& JapaneseLocale() {
  static const TDateTimeLocale Locale = MakeJapaneseLocale();
  return Locale;
}
