#include "catalogue/CheckElement.h"

#include <gtest/gtest.h>

#include "TestTexts.h"

namespace velmora::catalogue {
namespace {

struct CheckCase {
  std::string name;
  int group, kind;
  std::array<long double, 5> inputs;
  std::vector<std::string> focus;  // the fields of the expected messages, in order
  long double roughness = 0.1L;
};

class CheckElementTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckElementTest, RefusesImplausibleDimensions) {
  const CheckCase& c = GetParam();
  hydraulics::MainInput input;
  input.ElementGroup = c.group;
  input.ElementKind = c.kind;
  input.Input1 = c.inputs[0];
  input.Input2 = c.inputs[1];
  input.Input3 = c.inputs[2];
  input.Input4 = c.inputs[3];
  input.Input5 = c.inputs[4];
  input.Input6 = c.roughness;
  std::vector<std::string> focus;
  for (const text::Message& message : CheckElement(input, testing_support::Texts('D'))) focus.push_back(message.focus);
  EXPECT_EQ(focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, CheckElementTest,
    testing::Values(CheckCase{"pipePasses", 1, 1, {100, 1, 0, 0, 0}, {}},
                    CheckCase{"pipeWithoutLength", 1, 1, {100, 0, 0, 0, 0}, {"Va2_Edit"}},
                    CheckCase{"pipeNegativeRoughness", 1, 1, {100, 1, 0, 0, 0}, {"Edit2"}, -0.1L},
                    CheckCase{"annulusInnerLarger", 1, 3, {50, 60, 1, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"annulusEqual", 1, 3, {50, 50, 1, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"annulusTooThin", 1, 3, {1000, 5, 1, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"corrugatedPasses", 1, 5, {100, 5, 20, 1, 0}, {}},
                    CheckCase{"corrugatedFlatPitch", 1, 5, {60, 3, 20, 1, 0}, {"Va2_Edit"}},
                    CheckCase{"corrugatedShallow", 1, 5, {200, 5, 20, 1, 0}, {"Va1_Edit"}},
                    CheckCase{"corrugatedShorterThanPitch", 1, 5, {100, 5, 20, 0.01L, 0}, {"Va4_Edit"}},
                    CheckCase{"inletAngleAtNinety", 2, 3, {100, 90, 0, 0, 0}, {"Va2_Edit"}},
                    CheckCase{"expansionNarrowing", 3, 1, {100, 50, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"gradualExpansionAngle", 3, 2, {50, 100, 90, 0, 0}, {"Va3_Edit"}},
                    CheckCase{"contractionWidening", 3, 3, {50, 100, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"bendAngleFifteenPasses", 4, 1, {100, 100, 15, 0, 0}, {}},
                    CheckCase{"bendAngleFourteenFails", 4, 1, {100, 100, 14, 0, 0}, {"Va3_Edit"}},
                    CheckCase{"bendAngleAboveHalfTurn", 4, 1, {100, 100, 181, 0, 0}, {"Va3_Edit"}},
                    CheckCase{"bendTightRadius", 4, 1, {100, 99, 90, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"segmentBendAngle", 4, 2, {100, 91, 0, 0, 0}, {"Va2_Edit"}},
                    CheckCase{"castBendTooSmall", 4, 3, {40, 0, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"castBendLargest", 4, 3, {500, 0, 0, 0, 0}, {}},
                    CheckCase{"rectangularBendTightRadius", 4, 4, {200, 100, 150, 90, 0}, {"Va1_Edit"}},
                    CheckCase{"dividingTeeRadiusZero", 5, 5, {100, 50, 0, 45, 0}, {}},
                    CheckCase{"dividingTeeHalfTurn", 5, 5, {100, 50, 0, 180, 0}, {"Va4_Edit"}},
                    CheckCase{"trouserRadiusRatio", 5, 8, {100, 250, 0, 0, 0}, {"Va2_Edit"}},
                    CheckCase{"uBendLong", 6, 3, {100, 1100, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"gateHeightFullBore", 7, 4, {100, 100, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"cockAngle", 7, 5, {100, 51, 0, 0, 0}, {"Va2_Edit"}},
                    CheckCase{"butterflyAngle", 7, 6, {100, 70, 0, 0, 0}, {}},
                    CheckCase{"isoOrificePasses", 9, 1, {100, 50, 0, 0, 0}, {}},
                    CheckCase{"isoOrificeSmallPipe", 9, 1, {40, 20, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"isoOrificeBoreTooLarge", 9, 1, {100, 100, 0, 0, 0}, {"Va1_Edit", "Va1_Edit"}},
                    CheckCase{"nozzleRatioEightTenths", 9, 5, {100, 80, 0, 0, 0}, {}},
                    CheckCase{"nozzleRatioTooLarge", 9, 5, {100, 81, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"longRadiusLargePipe", 9, 6, {630, 300, 0, 0, 0}, {}},
                    CheckCase{"venturiRatio", 9, 7, {100, 80, 0, 0, 0}, {"Va1_Edit"}},
                    CheckCase{"plateFreeAreaLow", 10, 1, {100, 0.5L, 0, 0, 0}, {"Va2_Edit"}},
                    CheckCase{"plateFreeAreaHigh", 10, 2, {100, 100, 99, 0, 0}, {"Va3_Edit"}},
                    CheckCase{"thickPlatePasses", 10, 4, {100, 100, 5, 5, 40}, {}},
                    CheckCase{"knownZetaZero", 12, 1, {100, 0, 0, 0, 0}, {}},
                    CheckCase{"knownZetaNegative", 12, 2, {100, 100, -1, 0, 0}, {"Va3_Edit"}},
                    CheckCase{"negativeHeightPasses", 13, 1, {-10, 0, 0, 0, 0}, {}},
                    CheckCase{"secondSectionMissing", 13, 3, {100, 100, 100, 0, 0}, {"Va4_Edit"}}),
    [](const auto& info) { return info.param.name; });

TEST(CheckElement, MessagesNameTheLabelAndTheRule) {
  const auto& texts = testing_support::Texts('D');
  hydraulics::MainInput input;
  input.ElementGroup = 4;
  input.ElementKind = 1;
  input.Input1 = 100;
  input.Input2 = 100;
  input.Input3 = 14;
  const text::Messages messages = CheckElement(input, texts);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, texts.GlobalText(183) + "\n" + texts.FormText("MyWindow", "chkBendAngleMin"));
  EXPECT_EQ(messages[0].caption, texts.GlobalText(184));
  EXPECT_EQ(messages[0].icon, text::MessageIcon::Error);
  EXPECT_EQ(SlotLabel(texts, 4, 1, 3), texts.GlobalText(152) + " w:");
}

}  // namespace
}  // namespace velmora::catalogue

namespace velmora::catalogue {
namespace {

hydraulics::MainInput Operating(int group, int kind, std::array<long double, 5> inputs, long double flow) {
  hydraulics::MainInput input;
  input.ElementGroup = group;
  input.ElementKind = kind;
  input.Input1 = inputs[0];
  input.Input2 = inputs[1];
  input.Input3 = inputs[2];
  input.Input4 = inputs[3];
  input.Input5 = inputs[4];
  input.VolumeFlow = flow;
  input.Density = 998.2L;
  input.Viscosity = 1002;
  return input;
}

TEST(TableRanges, FlatRectangularBendIsRefusedWithTheMinimum) {
  const auto& texts = testing_support::Texts('D');
  // H/B = 0.1 lies below the aspect-ratio table, which starts at 0.2.
  const text::Messages messages = CheckElement(Operating(4, 4, {400, 40, 800, 90, 0}, 10), texts);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].focus, "Va2_Edit");
  EXPECT_TRUE(messages[0].text.ends_with(">> 0,200 << ")) << messages[0].text;
  EXPECT_NE(messages[0].text.find("H/B"), std::string::npos) << messages[0].text;
}

TEST(TableRanges, DividingTeeAngleAboveNinetyOnlyInLaminarFlow) {
  const auto& texts = testing_support::Texts('E');
  // 0.01 m³/h through 100 mm: Re ≈ 35, laminar; 50 m³/h: Re ≈ 176 000, turbulent.
  EXPECT_EQ(CheckElement(Operating(5, 5, {100, 50, 0, 120, 0}, 0.01L), texts).size(), 1u);
  EXPECT_TRUE(CheckElement(Operating(5, 5, {100, 50, 0, 120, 0}, 50), texts).empty());
}

}  // namespace
}  // namespace velmora::catalogue
