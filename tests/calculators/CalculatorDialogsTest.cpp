// The calculator dialogs' calculate commands from typed texts: shown results, exact messages with
// their focus, and the refusals of inputs the formulas cannot take, in the program's texts.
#include <gtest/gtest.h>

#include <cmath>

#include "TestTexts.h"
#include "calculators/ChannelDialogs.h"
#include "calculators/OrificeDesignDialog.h"
#include "calculators/OutflowDialogs.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"

namespace velmora::calculators {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }
const text::TextStore& English() { return testing_support::Texts('E'); }

std::string Invalid(const text::TextStore& texts, const std::string& label) {
  return texts.GlobalText(text::global::kInvalidInput) + "\n\"" + label + "\"!";
}

OrificeDesignForm WaterOrifice() {
  OrificeDesignForm form;
  form.flow = "1";
  form.density = "998,2";
  form.viscosity = "1002";
  form.pipeDiameter = "50";
  form.pressureLoss = "100";
  form.pressureUnit = 1;  // mbar
  return form;
}

TEST(OrificeDesignDialog, WaterExampleWarnsThenShowsTheBore) {
  const auto& t = German();
  const OrificeDesignOutcome o = CalculateOrificeDesignDialog(WaterOrifice(), t, {false, 2});
  ASSERT_EQ(o.messages.size(), 1U);
  EXPECT_EQ(o.messages[0].text, t.FormText(kOrificeDesignBlock, "msgWarning0"));
  EXPECT_EQ(o.messages[0].caption, t.GlobalText(text::global::kInformationCaption));
  EXPECT_EQ(o.messages[0].icon, text::MessageIcon::Information);
  ASSERT_TRUE(o.design);
  EXPECT_EQ(o.result, "Bohrungsdurchmesser d = " + units::FormatNumber(o.design->bore, 2, 'D') + " mm");
  const OrificeDesignOutcome us = CalculateOrificeDesignDialog(WaterOrifice(), English(), {true, 4});
  EXPECT_EQ(us.result, "Bore diameter d = " + units::FormatNumber(o.design->bore / 25.4L, 4, 'E') + " in.");
}

TEST(OrificeDesignDialog, RefusalsAndTheNoOrificeNotice) {
  const auto& t = German();
  OrificeDesignForm form = WaterOrifice();
  form.flow = "1x";
  OrificeDesignOutcome o = CalculateOrificeDesignDialog(form, t, {});
  EXPECT_EQ(o.refused, "Eingabe_Volumenstrom");
  EXPECT_EQ(o.messages.at(0).text, Invalid(t, "Volumenstrom"));
  form = WaterOrifice();
  form.pressureLoss = "0";
  o = CalculateOrificeDesignDialog(form, t, {});
  EXPECT_EQ(o.refused, "Edit3");
  EXPECT_FALSE(o.design);
  form = WaterOrifice();
  form.kind = 2;
  form.edge = "";  // an empty field reads 0: no bore length
  EXPECT_EQ(CalculateOrificeDesignDialog(form, t, {}).refused, "Edit2");
  form = WaterOrifice();
  form.pressureLoss = "0,001";  // ζ* ≈ 0.01: the pipe alone loses more
  o = CalculateOrificeDesignDialog(form, t, {});
  ASSERT_EQ(o.messages.size(), 1U);
  EXPECT_EQ(o.messages[0].text, t.FormText(kOrificeDesignBlock, "msgNoOrifice"));
  EXPECT_TRUE(o.result.empty());
  EXPECT_FALSE(o.Stopped());
}

TEST(OrificeDesignDialog, MainWindowInputsAreCopiedAndStandardFlowsLeftOut) {
  mainform::MainForm main = mainform::MainForm::Defaults('D');
  main.flowUnit = 3;  // "Nm³/h"
  OrificeDesignForm form;
  CopyMainInputs(main, form);
  EXPECT_EQ(form.flow, "");
  EXPECT_EQ(form.flowUnit, -1);
  main.flowUnit = 6;  // "l/min", the fourth entry here
  CopyMainInputs(main, form);
  EXPECT_EQ(form.flow, "1,0");
  EXPECT_EQ(form.flowUnit, 3);
  EXPECT_EQ(form.density, "998,2");
}

TEST(OutflowDialog, ResultsInBothUnitSystemsAndRefusals) {
  OutflowForm form;
  form.edit1 = "1";
  form.edit2 = "1";
  form.edit8 = "1";
  OutflowOutcome o = CalculateOutflowDialog(form, English(), {false, 4});
  EXPECT_EQ(o.flow, "4.4294");
  EXPECT_EQ(o.velocity, "4.4294");
  o = CalculateOutflowDialog(form, German(), {true, 3});
  EXPECT_EQ(o.flow, units::FormatNumber(std::sqrt(19.62L) / (0.3048L * 0.3048L * 0.3048L), 3, 'D'));
  EXPECT_EQ(OutflowResultCaptions(German(), true).first, "Volumenstrom in ft^3/s:");
  form.edit8 = "0";
  EXPECT_EQ(CalculateOutflowDialog(form, German(), {}).refused, "Edit8");
  // Values beyond the range of the arithmetic give the failure, never "inf" in a label.
  OutflowForm huge = form;
  huge.edit1 = "1e4900";
  huge.edit2 = "1e4900";
  huge.edit8 = "1";
  o = CalculateOutflowDialog(huge, German(), {});
  EXPECT_EQ(o.failure, German().FormText(kOutflowBlock, "msgNoResult"));
  EXPECT_TRUE(o.flow.empty());
  form.large = true;  // case 5: H2 must lie below H1
  form.edit1 = "2";
  form.edit2 = "1";
  form.edit3 = "1";
  form.edit8 = "0,6";
  EXPECT_EQ(CalculateOutflowDialog(form, German(), {}).refused, "Edit2");
}

TEST(CoefficientDialogs, RangesAndTakeOverTexts) {
  const auto& t = German();
  CoefficientOutcome o = CalculateSmallOpeningDialog({0, "", "", 0}, t);
  EXPECT_EQ(o.shown, "0,60");
  o = CalculateSmallOpeningDialog({2, "90", "", 0}, English());
  EXPECT_EQ(o.shown, "0.74");
  o = CalculateSmallOpeningDialog({2, "9,9", "", 0}, t);
  ASSERT_EQ(o.messages.size(), 1U);
  EXPECT_EQ(o.messages[0],
            (text::Message{t.FormText(kSmallOpeningBlock, "msgAngleRange"), "", text::MessageIcon::None, "Edit5"}));
  EXPECT_EQ(CalculateSmallOpeningDialog({4, "0", "10", 0}, t).refused, "Edit5");
  EXPECT_EQ(CalculateSmallOpeningDialog({4, "100", "20", 0}, t).refused, "Edit5");  // n = 0.04
  o = CalculateLargeOpeningDialog({0, 1, "", "", 0}, t);
  EXPECT_EQ(o.shown, "0,7 bis 0,8");
  EXPECT_EQ(o.takeOver, "0,7");
  EXPECT_EQ(CalculateLargeOpeningDialog({0, 1, "", "", 0}, English()).takeOver, "0.7");
  EXPECT_EQ(CalculateLargeOpeningDialog({0, 0, "3", "1", 0}, t).refused, "Edit5");
  EXPECT_EQ(CalculateLargeOpeningDialog({1, 0, "1", "0,4", 0}, t).shown, "0,65");
}

TEST(DrainingTimeDialog, ExampleAndRefusals) {
  const auto& t = German();
  DrainingTimeOutcome o = CalculateDrainingTimeDialog({0, "1", "100", "1", "0,6", 0}, t);
  EXPECT_EQ(o.shown, "75 s = 1,3 Min.");
  o = CalculateDrainingTimeDialog({0, "1", "100", "0,5", "0,6", 0}, English());
  EXPECT_EQ(o.shown, "53 s");
  // The sphere reads no third field.
  EXPECT_TRUE(CalculateDrainingTimeDialog({2, "1", "100", "abc", "0,6", 0}, t).seconds);
  o = CalculateDrainingTimeDialog({0, "1", "0", "1", "0,6", 0}, t);
  EXPECT_EQ(o.refused, "Edit2");
  EXPECT_EQ(o.messages.at(0).caption, t.GlobalText(text::global::kErrorCaption));
  EXPECT_EQ(CalculateDrainingTimeDialog({0, "1", "100", "1", "0", 0}, t).refused, "Edit8");
  EXPECT_EQ(CalculateDrainingTimeDialog({0, "1", "100", "1", "", 0}, t).refused, "Edit8");
}

OpenChannelForm Rectangle() {
  OpenChannelForm form;
  form.edit1 = "2";
  form.edit2 = "1";
  form.slope = {2, "1", "", ""};
  form.strickler = "50";
  return form;
}

TEST(OpenChannelDialog, ExampleAndRefusals) {
  const auto& t = German();
  OpenChannelOutcome o = CalculateOpenChannelDialog(Rectangle(), t, {false, 3});
  EXPECT_EQ(o.velocity, "3,150");
  EXPECT_EQ(o.flowText, "6,300");
  struct Case {
    const char* name;
    SlopeForm slope;
    std::string strickler;
    const char* refused;
  };
  const Case cases[] = {
      {"equalHeights", {0, "5", "5", "100"}, "50", "Edit5"}, {"zeroLength", {0, "5", "4", "0"}, "50", "Edit6"},
      {"zeroPercent", {2, "0", "", ""}, "50", "Edit4"},      {"negativePercent", {2, "-1", "", ""}, "50", "Edit4"},
      {"negativeAngle", {1, "-3", "", ""}, "50", "Edit4"},   {"steeperThanUpright", {1, "91", "", ""}, "50", "Edit4"},
      {"zeroStrickler", {2, "1", "", ""}, "0", "Edit7"},     {"textStrickler", {2, "1", "", ""}, "k", "Edit7"},
  };
  for (const Case& c : cases) {
    OpenChannelForm form = Rectangle();
    form.slope = c.slope;
    form.strickler = c.strickler;
    o = CalculateOpenChannelDialog(form, t, {});
    EXPECT_EQ(o.refused, c.refused) << c.name;
    EXPECT_FALSE(o.flow) << c.name;
  }
  OpenChannelForm triangle = Rectangle();
  triangle.shape = 3;
  triangle.edit2 = "90";
  o = CalculateOpenChannelDialog(triangle, t, {});
  EXPECT_EQ(o.refused, "Edit2");
  EXPECT_EQ(o.messages.at(0).text, Invalid(t, "Winkel in Grad:"));
  EXPECT_EQ(ShapeCaptions(English(), 0, 1)[0], "B in feet:");
}

TEST(ChannelDesignDialog, ExampleUsAndRefusals) {
  ChannelDesignForm form;
  form.flow = "1";
  form.slope = {2, "0,1", "", ""};
  form.strickler = "60";
  ChannelDesignOutcome o = CalculateChannelDesignDialog(form, German(), {false, 4});
  EXPECT_EQ(o.first, "1,4424");
  EXPECT_EQ(o.second, "0,7212");
  EXPECT_EQ(o.velocity, "0,9613");
  o = CalculateChannelDesignDialog(form, English(), {true, 4});
  EXPECT_EQ(o.second, units::FormatNumber(o.design->depth / 0.3048L, 4, 'E'));
  EXPECT_EQ(ChannelDesignResultCaptions(English(), 0, true).first, "B in feet:");
  form.shape = 3;
  EXPECT_EQ(CalculateChannelDesignDialog(form, German(), {}).second, "45");
  form.shape = 1;
  form.angle = "0";
  EXPECT_EQ(CalculateChannelDesignDialog(form, German(), {}).refused, "Edit2");
  form.flow = "0";
  EXPECT_EQ(CalculateChannelDesignDialog(form, German(), {}).refused, "Edit1");
  form.flow = "1";
  form.slope = {1, "0", "", ""};
  EXPECT_EQ(CalculateChannelDesignDialog(form, German(), {}).refused, "Edit4");
}

}  // namespace
}  // namespace velmora::calculators
