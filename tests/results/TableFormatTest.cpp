#include <gtest/gtest.h>

#include "results/TableFormat.h"

namespace velmora::results {
namespace {

struct FormatCase {
  const char* name;
  long double value;
  text::Edition edition;
  const char* reynolds;  // FormatReynolds
  const char* loss;      // FormatLoss with 3 decimals
};

// Figures checked by hand: whole Reynolds numbers up to 9999, above it two mantissa digits and a
// four-digit exponent (a field of 11 characters without its leading blank).
const FormatCase kFormatCases[] = {
    {"smallValue", 0.5L, 'D', "1", "0,500"},
    {"laminarReynolds", 2319.4L, 'D', "2319", "2319,400"},
    {"largestFixed", 9999.0L, 'D', "9999", "9999,000"},
    {"justAboveFixed", 9999.6L, 'D', "1,00E+0004", "1,00E+0004"},
    {"turbulentReynolds", 123456.0L, 'D', "1,23E+0005", "1,23E+0005"},
    {"englishPoint", 123456.0L, 'E', "1.23E+0005", "1.23E+0005"},
    {"roundsMantissaUp", 99960.0L, 'D', "1,00E+0005", "1,00E+0005"},
    {"mantissaHalfAwayFromZero", 12250.0L, 'D', "1,23E+0004", "1,23E+0004"},
    {"hugeLoss", 2.5e12L, 'F', "2,50E+0012", "2,50E+0012"},
    {"negativeGain", -12.25L, 'D', "-12", "-12,250"},
    {"negativeLargeStaysFixed", -20000.0L, 'E', "-20000", "-20000.000"},
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, ReynoldsAndLoss) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatReynolds(c.value, c.edition), c.reynolds);
  EXPECT_EQ(FormatLoss(c.value, 3, c.edition), c.loss);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatTest, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatValue, DecimalsFromTheSettings) {
  EXPECT_EQ(FormatValue(998.2L, 3, 'D'), "998,200");
  EXPECT_EQ(FormatValue(998.2L, 0, 'D'), "998");
  EXPECT_EQ(FormatValue(0.0186L, 6, 'E'), "0.018600");
  // Large values keep all their integer digits: the field width never cuts or pads.
  EXPECT_EQ(FormatValue(12345678901.0L, 1, 'H'), "12345678901,0");
}

}  // namespace
}  // namespace velmora::results
