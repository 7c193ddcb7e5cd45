#include "mainform/CalculateCommand.h"

#include <gtest/gtest.h>

#include "TestTexts.h"
#include "catalogue/CheckElement.h"

namespace velmora::mainform {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

std::string InvalidField(const std::string& caption) { return German().GlobalText(183) + "\n\"" + caption + "\"!"; }

std::string LimitText(const std::string& label, int limitText, const std::string& limit) {
  return German().GlobalText(177) + " \n>> " + label + " << \n" + German().GlobalText(limitText) + "\n>> " + limit +
         " << ";
}

MainForm GasForm() {
  MainForm form = MainForm::Defaults('D');
  form.gas = true;
  return form;
}

// What one typed text in one field leads to: a calculation, or the listed messages' fields.
enum class Expect { Calculates, InvalidField, NegativeMessage, ZeroMessage, ZeroMessages, AboveMaximum };

struct BadInputCase {
  std::string name;
  const char* field;  // the control that gets the focus
  const char* typed;
  Expect expect;
};

void Type(MainForm& form, const std::string& field, const std::string& typed) {
  if (field == "Va1_Edit") form.dimensions[0] = typed;
  if (field == "Va2_Edit") form.dimensions[1] = typed;
  if (field == "VaAnz_Edit") form.count = typed;
  if (field == "Edit2") form.roughness = typed;
  if (field == "Eingabe_Volumenstrom") form.flow = typed;
  if (field == "Eingabe_Dichte") form.density = typed;
  if (field == "Eingabe_Viskositaet") form.viscosity = typed;
  if (field == "Edit_EingangsdruckN") form.inletPressure = typed;
  if (field == "Edit_EingangstemperaturN") form.inletTemperature = typed;
  if (field == "Edit3") form.branchFlow = typed;
}

class BadInputTest : public testing::TestWithParam<BadInputCase> {};

TEST_P(BadInputTest, EveryFieldRefusesItsOwnWay) {
  const BadInputCase& c = GetParam();
  const std::string field = c.field;
  MainForm form = field.starts_with("Edit_") ? GasForm() : MainForm::Defaults('D');
  if (field == "Edit3") {
    form.elementGroup = 5;
    form.elementKind = 5;
    form.dimensions = {"100", "50", "0", "45", ""};
    form.flow = "10";
  }
  Type(form, field, c.typed);
  const CalculateChecks checks = CheckCalculateInputs(form, German());
  if (c.expect == Expect::Calculates) {
    EXPECT_TRUE(checks.input.has_value());
    EXPECT_TRUE(checks.messages.empty());
    return;
  }
  ASSERT_FALSE(checks.input.has_value()) << "no half-filled input may come out";
  ASSERT_FALSE(checks.messages.empty());
  for (const text::Message& message : checks.messages) {
    EXPECT_EQ(message.focus, field);
    EXPECT_EQ(message.icon, text::MessageIcon::Error);
    EXPECT_EQ(message.caption, German().GlobalText(184));
  }
  const std::string& text = checks.messages.front().text;
  switch (c.expect) {
    case Expect::InvalidField:
      ASSERT_EQ(checks.messages.size(), 1u);
      EXPECT_TRUE(text.starts_with(German().GlobalText(183) + "\n\"")) << text;
      break;
    case Expect::NegativeMessage:
    case Expect::ZeroMessage:
      EXPECT_EQ(checks.messages.size(), 1u);
      EXPECT_TRUE(text.starts_with(German().GlobalText(177))) << text;
      EXPECT_TRUE(text.ends_with(">> 0 << ")) << text;
      break;
    case Expect::ZeroMessages:  // a count below one: the minimum and the zero rule
      EXPECT_EQ(checks.messages.size(), 2u);
      break;
    case Expect::AboveMaximum:  // the count field's three digits: less than 1000
      ASSERT_EQ(checks.messages.size(), 1u);
      EXPECT_TRUE(text.ends_with(German().GlobalText(187) + "\n>> 1000,000 << ")) << text;
      break;
    case Expect::Calculates: break;
  }
}

std::vector<BadInputCase> BadInputs() {
  std::vector<BadInputCase> cases;
  const char* const numericFields[] = {
      "Va1_Edit", "Va2_Edit", "Eingabe_Volumenstrom", "Eingabe_Dichte", "Eingabe_Viskositaet", "Edit_EingangsdruckN"};
  const char* const names[] = {"diameter", "length", "flow", "density", "viscosity", "inletPressure"};
  for (int i = 0; i < 6; ++i) {
    const bool gasField = i == 5;
    auto add = [&](const char* suffix, const char* typed, Expect expect) {
      cases.push_back({std::string(names[i]) + suffix, numericFields[i], typed, expect});
    };
    add("Empty", "", gasField ? Expect::InvalidField : Expect::ZeroMessage);
    add("Letters", "abc", Expect::InvalidField);
    add("TwoCommas", "1,0,1", Expect::InvalidField);
    add("PointAndComma", "1.000,5", Expect::InvalidField);
    add("Negative", "-1", Expect::NegativeMessage);
    add("Zero", "0", Expect::ZeroMessage);
    add("Overflow", "1e5000", Expect::InvalidField);
  }
  cases.push_back({"countEmpty", "VaAnz_Edit", "", Expect::ZeroMessages});
  cases.push_back({"countLetters", "VaAnz_Edit", "abc", Expect::InvalidField});
  cases.push_back({"countRoundsToZero", "VaAnz_Edit", "0,4", Expect::ZeroMessages});
  cases.push_back({"countNegative", "VaAnz_Edit", "-1", Expect::ZeroMessages});
  cases.push_back({"countRoundsUp", "VaAnz_Edit", "2,5", Expect::Calculates});
  cases.push_back({"countLargest", "VaAnz_Edit", "999", Expect::Calculates});
  cases.push_back({"countRoundsBeyondLargest", "VaAnz_Edit", "999,5", Expect::AboveMaximum});
  cases.push_back({"countBeyondInteger", "VaAnz_Edit", "3e9", Expect::AboveMaximum});
  cases.push_back({"countHuge", "VaAnz_Edit", "1e4000", Expect::AboveMaximum});
  cases.push_back({"roughnessEmptyIsSmooth", "Edit2", "", Expect::Calculates});
  cases.push_back({"roughnessLetters", "Edit2", "abc", Expect::InvalidField});
  cases.push_back({"roughnessNegative", "Edit2", "-1", Expect::NegativeMessage});
  cases.push_back({"inletTemperatureEmpty", "Edit_EingangstemperaturN", "", Expect::InvalidField});
  cases.push_back({"inletTemperatureLetters", "Edit_EingangstemperaturN", "abc", Expect::InvalidField});
  cases.push_back({"inletTemperatureBelowZeroCelsius", "Edit_EingangstemperaturN", "-1", Expect::Calculates});
  cases.push_back({"inletTemperatureBelowAbsoluteZero", "Edit_EingangstemperaturN", "-300", Expect::NegativeMessage});
  cases.push_back({"branchEmpty", "Edit3", "", Expect::InvalidField});
  cases.push_back({"branchZero", "Edit3", "0", Expect::InvalidField});
  cases.push_back({"branchNegative", "Edit3", "-1", Expect::InvalidField});
  cases.push_back({"branchLetters", "Edit3", "abc", Expect::InvalidField});
  cases.push_back({"branchValid", "Edit3", "2,5", Expect::Calculates});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Fields, BadInputTest, testing::ValuesIn(BadInputs()),
                         [](const auto& info) { return info.param.name; });

TEST(CalculateCommand, DefaultsCalculateOneMetreOfPipe) {
  const CalculateChecks checks = CheckCalculateInputs(MainForm::Defaults('D'), German());
  ASSERT_TRUE(checks.input.has_value());
  EXPECT_EQ(checks.input->Input1, 100);
  EXPECT_EQ(checks.input->Input2, 1);
  EXPECT_EQ(checks.input->Input6, 0.1L);
  EXPECT_EQ(checks.input->VolumeFlow, 1);
  EXPECT_EQ(checks.input->Density, 998.2L);
  EXPECT_EQ(checks.input->Viscosity, 1002);
  EXPECT_EQ(checks.input->Count, 1);
  EXPECT_FALSE(checks.showGasNotes);
}

TEST(CalculateCommand, InvalidDimensionNamesItsLabelAndStopsAtTheFirst) {
  MainForm form = MainForm::Defaults('D');
  form.dimensions = {"abc", "xyz", "", "", ""};
  const CalculateChecks checks = CheckCalculateInputs(form, German());
  ASSERT_EQ(checks.messages.size(), 1u);
  EXPECT_EQ(checks.messages[0].text, InvalidField(catalogue::SlotLabel(German(), 1, 1, 1)));
  EXPECT_EQ(checks.messages[0].focus, "Va1_Edit");
}

TEST(CalculateCommand, HiddenSlotsAreNotRead) {
  MainForm form = MainForm::Defaults('D');
  form.dimensions[4] = "not a number";  // slot 5 is hidden for a circular pipe
  EXPECT_TRUE(CheckCalculateInputs(form, German()).input.has_value());
}

TEST(CalculateCommand, CountIsRoundedHalfAwayFromZero) {
  for (const auto& [typed, count] : {std::pair{"2,5", 3}, std::pair{"2,4", 2}, std::pair{"1", 1}}) {
    MainForm form = MainForm::Defaults('D');
    form.count = typed;
    const CalculateChecks checks = CheckCalculateInputs(form, German());
    ASSERT_TRUE(checks.input.has_value()) << typed;
    EXPECT_EQ(checks.input->Count, count) << typed;
  }
}

TEST(CalculateCommand, GasWithSeveralElementsAsksForTheGasNotes) {
  MainForm form = GasForm();
  form.count = "2";
  EXPECT_TRUE(CheckCalculateInputs(form, German()).showGasNotes);
  form.gas = false;
  EXPECT_FALSE(CheckCalculateInputs(form, German()).showGasNotes);
}

TEST(CalculateCommand, StandardCubicMetresAreRefusedForALiquid) {
  MainForm form = MainForm::Defaults('D');
  form.flowUnit = 3;  // "Nm³/h"
  const CalculateChecks checks = CheckCalculateInputs(form, German());
  ASSERT_EQ(checks.messages.size(), 1u);
  EXPECT_EQ(checks.messages[0].text, German().FormText("MyWindow", "msgNormFlowLiquid"));
  EXPECT_EQ(checks.messages[0].focus, "ComboBox1");
}

TEST(CalculateCommand, BranchFlowMustStaySmallerThanTheMainFlowInTheTypedUnit) {
  MainForm form = MainForm::Defaults('D');
  form.elementGroup = 5;
  form.elementKind = 6;
  form.dimensions = {"100", "50", "0", "45", ""};
  form.flow = "10";
  form.branchFlow = "10";
  const CalculateChecks equal = CheckCalculateInputs(form, German());
  ASSERT_EQ(equal.messages.size(), 1u);
  EXPECT_EQ(equal.messages[0].text, German().FormText("MyWindow", "msgBranchTooLarge"));
  EXPECT_EQ(equal.messages[0].caption, German().GlobalText(184));
  form.branchFlow = "9,99";
  const CalculateChecks smaller = CheckCalculateInputs(form, German());
  ASSERT_TRUE(smaller.input.has_value());
  EXPECT_NEAR(static_cast<double>(smaller.input->BranchFlow), 9.99, 1e-12);
}

TEST(CalculateCommand, PumpDesignSuppliesItsOwnBranchFlow) {
  MainForm form = MainForm::Defaults('D');
  form.elementGroup = 5;
  form.elementKind = 5;
  form.dimensions = {"100", "50", "0", "45", ""};
  form.branchFlow = "";
  EXPECT_TRUE(CheckCalculateInputs(form, German(), {.pumpDesignVisible = true}).input.has_value());
}

TEST(CalculateCommand, ZeroDensityIsRefusedAfterTheElementChecks) {
  MainForm form = MainForm::Defaults('D');
  form.density = "";
  form.viscosity = "0";
  const CalculateChecks checks = CheckCalculateInputs(form, German());
  // Both sign checks run; the focus ends on the last one.
  ASSERT_EQ(checks.messages.size(), 2u);
  EXPECT_EQ(checks.messages[0].text, LimitText(German().FormText("MyWindow", "Dichte_Titel"), 186, "0"));
  EXPECT_EQ(checks.messages[1].focus, "Eingabe_Viskositaet");
}

TEST(CalculateCommand, ElementCheckMessagesCarryTheWindowText) {
  MainForm form = MainForm::Defaults('D');
  form.elementGroup = 3;
  form.elementKind = 1;
  form.dimensions = {"100", "50", "", "", ""};  // an expansion that narrows
  const CalculateChecks checks = CheckCalculateInputs(form, German());
  ASSERT_EQ(checks.messages.size(), 1u);
  EXPECT_EQ(checks.messages[0].text,
            German().GlobalText(183) + "\n" + German().FormText("MyWindow", "chkExpansionDiameters"));
  EXPECT_EQ(checks.messages[0].focus, "Va1_Edit");
}

TEST(CalculateCommand, EnglishEditionReadsPointsAndCommasAlike) {
  MainForm form = MainForm::Defaults('E');
  form.dimensions[1] = "2,5";
  const CalculateChecks checks = CheckCalculateInputs(form, testing_support::Texts('E'));
  ASSERT_TRUE(checks.input.has_value());
  EXPECT_EQ(checks.input->Input2, 2.5L);
}

}  // namespace
}  // namespace velmora::mainform
