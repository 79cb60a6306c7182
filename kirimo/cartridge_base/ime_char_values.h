#pragma once
// How SendText cuts CP932 text into input-method character messages: a lead
// byte travels with its trail byte as one value (first byte high), any other
// byte alone. CR with a following LF is one value 0x0D0A (one line break);
// a CR or lead byte with nothing after it is not sent.
#include <cstdint>
#include <string_view>
#include <vector>

constexpr std::uint16_t LineBreakValue = 0x0D0A;

std::vector<std::uint16_t> ImeCharValues(std::string_view text);
