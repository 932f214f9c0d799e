#pragma once

#include <cstdint>

// The code page 932 tables, written by tools/cp932gen from glibc's iconv. NoChar marks a code or character that
// has no counterpart.
namespace Cp932Tables {

constexpr char16_t NoChar = 0xFFFF;

// The character of each single-byte code.
extern const char16_t single[256];
// For a lead byte, its row of pairs; 0 for any other byte.
extern const std::uint8_t leadRow[256];
// The character of each two-byte code, by lead byte's row and trail byte; row 0 has none.
extern const char16_t pairs[][256];
// The code of each BMP character, one byte below 0x100, else lead byte and trail byte. The characters that code
// page 932 reads back as others have none.
extern const std::uint16_t encoding[0x10000];

} // namespace Cp932Tables
