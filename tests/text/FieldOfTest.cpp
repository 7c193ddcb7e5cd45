#include "text/FieldOf.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

struct FieldCase {
  const char* name;
  const char* line;
  int k;
  const char* expected;
};

class FieldOfTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldOfTest, SelectsTheFieldBetweenTabs) {
  EXPECT_EQ(FieldOf(GetParam().line, GetParam().k), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FieldOfTest,
    testing::Values(FieldCase{"beyondTheLastTab", "a\tb", 4, ""}, FieldCase{"noTabIsFieldOne", "abc", 1, "abc"},
                    FieldCase{"lastFieldRunsToTheEnd", "a\tb\tc", 3, "c"}, FieldCase{"firstField", "a\tb\tc", 1, "a"},
                    FieldCase{"emptyBetweenTabs", "a\t\tc", 2, ""}, FieldCase{"noTabSecondField", "abc", 2, ""},
                    FieldCase{"zeroIsNoField", "a\tb", 0, ""}, FieldCase{"trailingTabGivesEmptyField", "a\t", 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::text
