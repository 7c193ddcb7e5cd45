#include "units/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace velmora::units {
namespace {

struct ParseCase {
  const char* name;
  const char* text;
  bool valid;
  long double value;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTypedNumbers) {
  const auto parsed = ParseNumber(GetParam().text);
  ASSERT_EQ(parsed.has_value(), GetParam().valid);
  if (GetParam().valid) EXPECT_EQ(*parsed, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(ParseCase{"emptyIsZero", "", true, 0}, ParseCase{"blanksOnlyAreZero", "   ", true, 0},
                    ParseCase{"decimalComma", "1,5", true, 1.5L}, ParseCase{"decimalPoint", "1.5", true, 1.5L},
                    ParseCase{"innerBlanksRemoved", "1 5", true, 15}, ParseCase{"negative", "-1", true, -1},
                    ParseCase{"plusSign", "+2,25", true, 2.25L}, ParseCase{"zero", "0", true, 0},
                    ParseCase{"exponent", "1e5", true, 100000}, ParseCase{"commaAndExponent", "2,5E-3", true, 0.0025L},
                    ParseCase{"leadingSeparator", ",5", true, 0.5L}, ParseCase{"letters", "abc", false, 0},
                    ParseCase{"twoCommas", "1,0,1", false, 0}, ParseCase{"pointAndComma", "1.000,5", false, 0},
                    ParseCase{"beyondLongDouble", "1e5000", false, 0}, ParseCase{"infinity", "inf", false, 0},
                    ParseCase{"notANumber", "nan", false, 0}, ParseCase{"doubleSign", "--1", false, 0},
                    ParseCase{"signOnly", "-", false, 0}, ParseCase{"trailingLetters", "12mm", false, 0},
                    ParseCase{"hexadecimal", "0x10", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale here";
  EXPECT_EQ(*ParseNumber("1.5"), 1.5L);
  EXPECT_EQ(FormatNumber(2.5L, 3, 'E'), "2.500");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

struct FormatCase {
  const char* name;
  long double value;
  int decimals;
  char edition;
  const char* expected;
};

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, WritesFixedPointWithTheEditionSeparator) {
  EXPECT_EQ(FormatNumber(GetParam().value, GetParam().decimals, GetParam().edition), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumberTest,
    testing::Values(FormatCase{"germanComma", 2.5L, 3, 'D', "2,500"}, FormatCase{"englishPoint", 2.5L, 3, 'E', "2.500"},
                    FormatCase{"frenchComma", 2.5L, 3, 'F', "2,500"}, FormatCase{"dutchComma", 2.5L, 3, 'H', "2,500"},
                    FormatCase{"noDecimals", 2.5L, 0, 'D', "3"},
                    FormatCase{"noGrouping", 1234567.125L, 2, 'E', "1234567.13"},
                    FormatCase{"negative", -0.25L, 2, 'D', "-0,25"},
                    FormatCase{"roundsToZeroWithoutSign", -0.0001L, 3, 'D', "0,000"},
                    FormatCase{"sixDecimals", 1.0L / 3, 6, 'E', "0.333333"},
                    FormatCase{"carryIntoNewDigit", 9.9996L, 3, 'D', "10,000"},
                    FormatCase{"halfOfLastDecimal", 0.0005L, 3, 'E', "0.001"},
                    FormatCase{"belowHalfOfLastDecimal", 0.00049L, 3, 'E', "0.000"},
                    FormatCase{"zero", 0, 2, 'D', "0,00"}, FormatCase{"large", 12345678901.5L, 0, 'E', "12345678902"},
                    FormatCase{"tiny", 1e-30L, 3, 'D', "0,000"}, FormatCase{"negativeHalf", -2.5L, 0, 'D', "-3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundHalfAway, CountsOfIdenticalElements) {
  EXPECT_EQ(RoundHalfAway(2.5L), 3);
  EXPECT_EQ(RoundHalfAway(2.4L), 2);
  EXPECT_EQ(RoundHalfAway(-2.5L), -3);
  EXPECT_EQ(RoundHalfAway(0.49L), 0);
  EXPECT_EQ(RoundHalfAway(0.49999999999999999L), 0);  // adding 0.5 would round this up
  EXPECT_EQ(RoundHalfAway(3e9L), 3e9L);
}

TEST(RoundToInt, NarrowsOnlyWhatFits) {
  EXPECT_EQ(RoundToInt(2.5L), 3);
  EXPECT_EQ(RoundToInt(-2147483648.4L), -2147483648LL);
  EXPECT_EQ(RoundToInt(2147483647.4L), 2147483647);
  EXPECT_EQ(RoundToInt(2147483647.5L), std::nullopt);
  EXPECT_EQ(RoundToInt(3e9L), std::nullopt);
  EXPECT_EQ(RoundToInt(-1e300L), std::nullopt);
  EXPECT_EQ(RoundToInt(std::numeric_limits<long double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(RoundToInt(std::numeric_limits<long double>::infinity()), std::nullopt);
}

}  // namespace
}  // namespace velmora::units
