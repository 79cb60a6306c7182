#include "common/blank_text.h"

#include <algorithm>

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlankByte(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankByte(text.back())) text.remove_suffix(1);
  return text;
}

bool IsBlankText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlankByte);
}
