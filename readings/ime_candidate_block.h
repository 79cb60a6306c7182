#pragma once
// The candidate list block an input method answers: size (byte 0), style,
// count (byte 8), selection, page start, page size, then count offsets (from
// byte 24, 4 bytes each, little-endian) of the strings, measured from the
// start of the block. Offsets outside the block are dropped, never followed.
#include <string_view>

#include "common/string_list.h"

// ANSI block: candidate i is the bytes from its offset to the next candidate's
// offset (the last: to the block size), terminating NULs included.
TStringList ParseAnsiCandidates(std::string_view block);
// Wide block: each candidate is a NUL-terminated UTF-16 string, given in CP932.
TStringList ParseWideCandidates(std::string_view block);
