#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/StoredInteger.h"

namespace velmora::settings {
namespace {

struct IntegerCase {
  const char* name;
  std::string text;
  std::optional<int> expected;
};

class StoredIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StoredIntegerTest, ReadsOnlyPlainDecimalIntegers) {
  EXPECT_EQ(ParseStoredInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredIntegerTest,
    ::testing::Values(IntegerCase{"ColumnWidth", "145", 145}, IntegerCase{"Zero", "0", 0},
                      IntegerCase{"NegativePosition", "-8", -8}, IntegerCase{"PlusSign", "+7", 7},
                      IntegerCase{"LeadingZero", "03", 3}, IntegerCase{"Missing", "", std::nullopt},
                      IntegerCase{"LeadingBlank", " 1", std::nullopt}, IntegerCase{"TrailingBlank", "1 ", std::nullopt},
                      IntegerCase{"DecimalComma", "2,5", std::nullopt},
                      IntegerCase{"Hexadecimal", "0x10", std::nullopt}, IntegerCase{"SignOnly", "-", std::nullopt},
                      IntegerCase{"TwoSigns", "+-1", std::nullopt},
                      IntegerCase{"BeyondInt", "99999999999", std::nullopt}, IntegerCase{"Word", "nein", std::nullopt}),
    [](const ::testing::TestParamInfo<IntegerCase>& info) { return std::string(info.param.name); });

TEST(StoredIntegerText, WritesDecimalText) {
  EXPECT_EQ(StoredIntegerText(150), "150");
  EXPECT_EQ(StoredIntegerText(-4), "-4");
}

}  // namespace
}  // namespace velmora::settings
