#include "model/StrToInt.h"

#include "model/ProgramError.h"

#include <optional>
#include <string>

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The number that starts at pos and runs to the end of the text, or nothing.
std::optional<std::int32_t> ParseUnsigned(std::string_view text, std::size_t pos, bool negative)
{
    bool hexadecimal = false;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        hexadecimal = true;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hexadecimal = true;
        pos += 2;
    }
    if (pos == text.size())
        return std::nullopt;

    if (hexadecimal) {
        std::uint32_t pattern = 0;
        int significantDigits = 0;
        for (; pos < text.size(); ++pos) {
            const int digit = HexDigitValue(text[pos]);
            if (digit < 0)
                return std::nullopt;
            if (significantDigits > 0 || digit != 0)
                significantDigits += 1;
            if (significantDigits > 8)
                return std::nullopt;
            pattern = pattern << 4 | static_cast<std::uint32_t>(digit);
        }
        // Negation wraps around in 32 bits, so "-$80000000" reads as -2147483648.
        return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
    }

    // Accumulate in 64 bits; anything past 2^31 is out of range for either sign.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > limit - 1)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t StrToInt(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        pos += 1;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        pos += 1;
    }
    if (const auto value = ParseUnsigned(text, pos, negative))
        return *value;
    throw ProgramError("'" + std::string(text) + "' is not a valid integer value");
}
