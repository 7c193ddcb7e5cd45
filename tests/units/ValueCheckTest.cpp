#include "units/ValueCheck.h"

#include <gtest/gtest.h>

#include "TestTexts.h"

namespace velmora::units {
namespace {

std::string Expected(const text::TextStore& texts, const char* label, int limitText, const char* limit) {
  return texts.GlobalText(177) + " \n>> " + label + " << \n" + texts.GlobalText(limitText) + "\n>> " + limit + " << ";
}

TEST(CheckValue, PositiveValuePassesSilently) {
  const auto& texts = testing_support::Texts('D');
  EXPECT_TRUE(CheckValue(texts, kPositive, "Dichte:", "Eingabe_Dichte", 998.2L).empty());
}

TEST(CheckValue, ZeroIsRefusedWithTheZeroLimit) {
  const auto& texts = testing_support::Texts('D');
  const text::Messages messages = CheckValue(texts, kPositive, "Dichte:", "Eingabe_Dichte", 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, Expected(texts, "Dichte:", 186, "0"));
  EXPECT_EQ(messages[0].caption, texts.GlobalText(184));
  EXPECT_EQ(messages[0].icon, text::MessageIcon::Error);
  EXPECT_EQ(messages[0].focus, "Eingabe_Dichte");
}

TEST(CheckValue, NegativeValueShowsOnlyTheNegativeMessage) {
  const auto& texts = testing_support::Texts('D');
  EXPECT_EQ(CheckValue(texts, kPositive, "L:", "Va2_Edit", -1).size(), 1u);
}

TEST(CheckValue, NegativeValueBelowAPositiveMinimumShowsTwoMessages) {
  const auto& texts = testing_support::Texts('E');
  const ValueLimits limits{.checkMin = true, .min = 1};
  const text::Messages messages = CheckValue(texts, limits, "Free area:", "Va2_Edit", -1);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, Expected(texts, "Free area:", 186, "0"));
  EXPECT_EQ(messages[1].text, Expected(texts, "Free area:", 186, "1.000"));
}

TEST(CheckValue, MaximumItselfIsRefusedWithThreeDecimals) {
  const auto& texts = testing_support::Texts('D');
  const ValueLimits limits{.checkMax = true, .max = 90};
  EXPECT_TRUE(CheckValue(texts, limits, "w:", "Va2_Edit", 89.999L).empty());
  const text::Messages messages = CheckValue(texts, limits, "w:", "Va2_Edit", 90);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, Expected(texts, "w:", 187, "90,000"));
}

TEST(CheckValue, ZeroMayBeAllowed) {
  const auto& texts = testing_support::Texts('D');
  EXPECT_TRUE(CheckValue(texts, ValueLimits{.allowZero = true}, "R:", "Va3_Edit", 0).empty());
  EXPECT_EQ(CheckValue(texts, ValueLimits{.allowZero = true}, "R:", "Va3_Edit", -0.5L).size(), 1u);
}

}  // namespace
}  // namespace velmora::units
