#pragma once

// The teacher's answer key: for each catalogue entry (or one), the hardness and the
// indentation the simulator draws for a given ball diameter and load, which the
// simulator itself never shows. Reads D and P with the simulator's own conversion.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct AnswerKeyOptions {
    std::string ballDiameterText = "10";
    std::string loadText = "3000";
    std::optional<int> material; // one catalogue entry, or all of them
    bool tabSeparated = false;
    bool help = false;
};

// Throws std::invalid_argument with the reason for a bad command line.
AnswerKeyOptions ParseAnswerKeyArguments(const std::vector<std::string>& arguments);

// Writes the key and returns the exit status: 0, or 1 when a row's calculation
// failed (that row shows the simulator's message in place of its numbers). Bad D or
// P throws ProgramError, as the simulator refuses them.
int WriteAnswerKey(const AnswerKeyOptions& options, std::ostream& out);

void WriteAnswerKeyUsage(std::ostream& out);
