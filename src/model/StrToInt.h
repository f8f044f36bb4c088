#pragma once

// Text to a signed 32-bit integer, with exactly these rules: leading spaces (not
// tabs), at most one sign, then decimal digits or a hexadecimal number after "$",
// "x", "X", "0x" or "0X", then the end of the text. A decimal value must fit the
// signed 32-bit range; a hexadecimal one has at most 8 significant digits and its
// bit pattern is read as signed, so "$FFFFFFFF" is -1 and "-" negates with wrap-around.
// No library parser has these rules.

#include <cstdint>
#include <string_view>

// Throws ProgramError "'<text>' is not a valid integer value" for a refused text.
std::int32_t StrToInt(std::string_view text);
