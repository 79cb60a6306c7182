#pragma once
// Code page 932 (Shift-JIS as Windows has it, NEC and IBM extensions included).
// Every function is safe on any byte string: a lead byte at the very end is a
// character of its own, and nothing is ever read past the end.
#include <cstddef>
#include <string>
#include <string_view>

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char byte);

// Length in bytes (1 or 2) of the character starting at text[pos]; 0 at or past the end.
// A lead byte at the end or before a NUL byte is a character of its own.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// Calls visit(std::string_view character) for each character in order.
template <typename Visit>
void ForEachChar(std::string_view text, Visit&& visit) {
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = CharLengthAt(text, pos);
    visit(text.substr(pos, length));
    pos += length;
  }
}

// The UTF-16 unit of one character (as ForEachChar gives it); U+30FB for none.
char16_t Cp932CharToUtf16(std::string_view character);
// Appends the code of unit; false, and nothing appended, when it has none.
bool AppendCp932(std::string& out, char16_t unit);

// Conversions. A code without a character becomes U+30FB and a character
// without a code "?", as MultiByteToWideChar / WideCharToMultiByte give for
// code page 932 (no best-fit substitutes). Malformed UTF-8 gives one "?" a byte.
std::u16string Cp932ToUtf16(std::string_view text);
std::string Utf16ToCp932(std::u16string_view text);
std::string Cp932ToUtf8(std::string_view text);
std::string Utf8ToCp932(std::string_view text);
