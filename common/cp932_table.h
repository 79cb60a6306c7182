#pragma once
// The code page 932 to UTF-16 table (cp932_table.cpp, generated). 0 means no
// character; the NUL byte is the only character that maps to 0.

inline constexpr int kCp932LeadCount = 60;    // 0x81-0x9F, 0xE0-0xFC
inline constexpr int kCp932TrailCount = 189;  // 0x40-0xFC
inline constexpr int kCp932FirstTrail = 0x40;

extern const char16_t kCp932SingleByte[256];  // 0 for the lead bytes
extern const char16_t kCp932DoubleByte[kCp932LeadCount][kCp932TrailCount];
