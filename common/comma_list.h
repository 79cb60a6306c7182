#pragma once
// Splits a comma list: fields are separated by commas; an unquoted run of blanks
// or control characters also separates fields; blanks around a field are dropped;
// a field may be double-quoted, a doubled quote inside standing for one; two
// commas in a row give an empty field, and a comma that ends the text a final
// empty field (blanks after the last comma leave none).
#include <string_view>

#include "common/string_list.h"

TStringList SplitCommaList(std::string_view text);
