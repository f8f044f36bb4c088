#include "model/StrToInt.h"
#include "model/ProgramError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

class StrToIntAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, ReadsTheValue)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntAccepts,
    testing::Values(Accepted{"10", 10}, Accepted{" 10", 10}, Accepted{"   3000", 3000},
                    Accepted{"010", 10}, Accepted{"+7", 7}, Accepted{"-0", 0}, Accepted{"$A", 10},
                    Accepted{"x0A", 10}, Accepted{"X0a", 10}, Accepted{"0XA", 10},
                    Accepted{"0xa", 10}, Accepted{"+0x0a", 10}, Accepted{"-$A", -10},
                    Accepted{"$FFFFFFFF", -1}, Accepted{"$000000000FFFFFFFF", -1},
                    Accepted{"-$80000000", INT32_MIN}, Accepted{"$7FFFFFFF", INT32_MAX},
                    Accepted{"-$FFFFFFFF", 1}, Accepted{"2147483647", INT32_MAX},
                    Accepted{"-2147483648", INT32_MIN}, Accepted{"00000000002147483647", INT32_MAX},
                    Accepted{"0x0", 0}));

class StrToIntRefuses : public testing::TestWithParam<const char*> {};

TEST_P(StrToIntRefuses, WithTheWholeTextInTheMessage)
{
    const std::string text = GetParam();
    try {
        StrToInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ProgramError& failure) {
        EXPECT_EQ(std::string(failure.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntRefuses,
                         testing::Values("", " ", "   ", "10 ", "1 0", "\t10", "+", "-", "+-1",
                                         "--1", "$", "0x", "x", "-$", "$G", "0x1g", "3000.0", "3,5",
                                         "3e3", "10mm", "2147483648", "-2147483649",
                                         "99999999999999999999", "$100000000", "0x123456789", "١٠",
                                         "десять", "0$A", "$ A"));

} // namespace
