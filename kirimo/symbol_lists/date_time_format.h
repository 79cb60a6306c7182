#pragma once
// Formats a date and time with a user's pattern such as "yyyy/mm/dd hh:nn",
// "ggee'年'm'月'd'日'(aaa)" or "h:mm AM/PM". Letters that are no pattern
// element, and text in single or double quotes, are copied as they stand.
#include <string>
#include <string_view>

#include "kirimo/symbol_lists/date_time.h"
#include "kirimo/symbol_lists/date_time_locale.h"

std::string FormatDateTime(std::string_view pattern, const TDateTime& time,
                           const TDateTimeLocale& locale = JapaneseLocale());
