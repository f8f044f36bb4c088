// libFuzzer target over StrToInt, the reading of the two edit fields: any bytes are
// taken as a field's text. Every text is read a second time by a small reader of its
// own below, and the two must agree: an accepted text on its value, a refused one on
// being refused, with the message "'<text>' is not a valid integer value" carrying the
// whole text. A disagreement, a crash or undefined behaviour is a finding.

#include "model/ProgramError.h"
#include "model/StrToInt.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The rules read apart from the program's reader: the text is first cut into blanks,
// sign, prefix and digits, and only then turned into a value. The value of a number
// is that of its significant digits, so "-000000000000002147483648" is -2147483648: a
// decimal one has at most 10 of them and a hexadecimal one at most 8.
std::optional<std::int32_t> ReferenceValue(std::string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    const bool minus = text.starts_with('-');
    if (minus || text.starts_with('+'))
        text.remove_prefix(1);
    int base = 10;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    const std::string_view digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (text.empty() || text.find_first_not_of(digits) != std::string_view::npos)
        return std::nullopt;

    const std::string_view significant =
        text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (significant.size() > (base == 16 ? 8u : 10u))
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (const char digit : significant) {
        const auto place = digits.find(digit);
        magnitude = magnitude * base + (place < 16 ? place : place - 6);
    }
    if (base == 16) {
        // The 32-bit pattern read as signed; "-" negates it modulo 2^32.
        const auto pattern = static_cast<std::uint32_t>(magnitude);
        return static_cast<std::int32_t>(minus ? ~pattern + 1u : pattern);
    }
    const std::int64_t value =
        minus ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The text with every byte outside printable ASCII written as \xNN, for the report.
std::string Printable(std::string_view text)
{
    std::string shown;
    for (const unsigned char c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
        shown += escaped;
    }
    return shown;
}

[[noreturn]] void Disagreement(std::string_view text, const std::string& what)
{
    std::fprintf(stderr, "StrToInt(\"%s\"): %s\n", Printable(text).c_str(), what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> expected = ReferenceValue(text);
    try {
        const std::int32_t value = StrToInt(text);
        if (!expected)
            Disagreement(text, "accepted as " + std::to_string(value) + ", should be refused");
        if (value != *expected)
            Disagreement(text, "read as " + std::to_string(value) + ", should be " +
                                   std::to_string(*expected));
    } catch (const ProgramError& failure) {
        if (expected)
            Disagreement(text, "refused, should read as " + std::to_string(*expected));
        // The message as the error box gets it, which ends at a NUL byte of the text.
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        if (std::string_view(failure.what()) != std::string_view(message.c_str()))
            Disagreement(text, "refused with \"" + Printable(failure.what()) + "\"");
    }
    return 0;
}
