#include "key/AnswerKey.h"
#include "model/IndentDiameter.h"
#include "model/ProgramError.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace {

std::string KeyFor(const std::vector<std::string>& arguments, int expectedStatus = 0)
{
    std::ostringstream out;
    EXPECT_EQ(WriteAnswerKey(ParseAnswerKeyArguments(arguments), out), expectedStatus);
    return out.str();
}

TEST(AnswerKey, TableRowCarriesTheDiameterRadiiAndGridSquares)
{
    const std::string key = KeyFor({"--material", "12"});
    EXPECT_NE(key.find("D = 10 мм, P = 3000 кгс"), std::string::npos);
    EXPECT_NE(key.find("сталь 45"), std::string::npos);
    EXPECT_NE(key.find("улучшение"), std::string::npos);
    EXPECT_NE(key.find("3.9500    39      79      15.80"), std::string::npos) << key;
}

TEST(AnswerKey, TsvGivesTheShortestExactDiameter)
{
    std::istringstream rows(
        KeyFor({"--tsv", "--ball", "-10", "--load", "30000", "--material", "1"}));
    std::string header, row;
    std::getline(rows, header);
    std::getline(rows, row);
    EXPECT_EQ(
        header,
        "number\tmaterial\ttreatment\tHB\td_mm\tradius_px\tmagnified_radius_px\tgrid_squares");
    const std::string start = "1\tсталь 5\tулучшение\t190\t";
    ASSERT_EQ(row.substr(0, start.size()), start);
    const std::string d = row.substr(start.size(), row.find('\t', start.size()) - start.size());
    EXPECT_EQ(std::stod(d), ComputeIndentDiameter(30000, 190, -10));
    EXPECT_EQ(d, "10.065528947249115");
    EXPECT_EQ(row.substr(start.size() + d.size()), "\t101\t201\t40.26");
}

TEST(AnswerKey, AllRowsByDefaultAndAFailingRowShowsTheMessage)
{
    std::istringstream rows(KeyFor({"--tsv"}));
    int count = -1;
    for (std::string row; std::getline(rows, row);)
        count += 1;
    EXPECT_EQ(count, 26);

    const std::string key = KeyFor({"--ball", "0", "--material", "3"}, 1);
    EXPECT_NE(key.find("Floating point division by zero."), std::string::npos);
}

TEST(AnswerKey, BadArgumentsAndValues)
{
    EXPECT_THROW(ParseAnswerKeyArguments({"--material", "27"}), std::invalid_argument);
    EXPECT_THROW(ParseAnswerKeyArguments({"--material", "x"}), std::invalid_argument);
    EXPECT_THROW(ParseAnswerKeyArguments({"--ball"}), std::invalid_argument);
    EXPECT_THROW(ParseAnswerKeyArguments({"--colour"}), std::invalid_argument);
    EXPECT_EQ(ParseAnswerKeyArguments({"--load", ""}).loadText, "");
    std::ostringstream out;
    EXPECT_THROW(WriteAnswerKey(ParseAnswerKeyArguments({"--load", " 10 "}), out), ProgramError);
}

} // namespace
