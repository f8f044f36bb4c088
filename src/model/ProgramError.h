#pragma once

// The failure that leaves an event handler and reaches the error box. Its message
// is the text the user sees (UTF-8), before the error box adds its full stop.

#include <stdexcept>
#include <string>
#include <string_view>

class ProgramError : public std::runtime_error {
public:
    explicit ProgramError(const std::string& message) : std::runtime_error(message) {}
};

// A failure's message as it is shown: a full stop is added to a non-empty message
// whose last character's code is above that of "." (a letter or a digit), so
// "…value" gets one and "…value." or "…value)" does not. Any byte of a multi-byte
// UTF-8 character is above ".", so a Cyrillic letter at the end gets one too.
std::string ShownMessage(std::string_view message);
