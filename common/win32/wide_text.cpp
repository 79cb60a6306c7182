#include "common/win32/wide_text.h"

#include "common/cp932.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

std::wstring ToWide(std::string_view cp932) {
  std::u16string units = Cp932ToUtf16(cp932);
  return std::wstring(units.begin(), units.end());
}

std::string FromWide(std::wstring_view text) {
  return Utf16ToCp932(std::u16string(text.begin(), text.end()));
}
