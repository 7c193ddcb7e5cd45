// The texts of the curve: copied values, CSV, medium lines, the rules of the range dialog and of
// the curve command, and the language texts they use.
#include "curve/CurveText.h"

#include <gtest/gtest.h>

#include "TestTexts.h"
#include "curve/CurveMessages.h"

namespace velmora::curve {
namespace {

const text::TextStore& Texts() { return testing_support::Texts('D'); }

SystemCurve TwoPoints() {
  SystemCurve curve;
  curve.points = {{0, 0.000005L}, {12345.6L, 0.02L}};
  return curve;
}

TEST(CurveText, CopiedValuesInTheAxisUnit) {
  const std::string text = CopyValuesText(TwoPoints(), ChoosePressureUnit(0.000005L, 0.02L, false), "m³/h", Texts());
  EXPECT_EQ(text,
            "Volumenstrom in m³/h\tDruckverlust in mbar\r\n"
            "0,000\t5,00E-0003\r\n"  // 0.005 mbar: below 0.01
            "1,23E+0004\t20,000\r\n");
  EXPECT_EQ(CopyValuesText(TwoPoints(), {"bar", 1}, "l/s", testing_support::Texts('E')),
            "Volume flow in l/s\tPressure loss in bar\r\n0.000\t5.00E-0006\r\n1.23E+0004\t0.020\r\n");
}

TEST(CurveText, CsvSections) {
  OperatingPoint point{82.5L, 0.25L, 2.5L};
  const CsvSection sections[] = {PointsSection(TwoPoints(), 1000, "flow (m³/h)", "loss, mbar"),
                                 OperatingPointSection(point, 1000, {"flow", "loss", "head"}),
                                 OperatingPointSection(std::nullopt, 1000, {"flow", "loss", "head"})};
  EXPECT_EQ(WriteCsv(sections),
            "flow (m³/h),\"loss, mbar\"\n0,0.005\n12345.6,20\n"
            "\nflow,loss,head\n82.5,250,2.5\n"
            "\nflow,loss,head\n,,\n");
  EXPECT_EQ(FullPrecision(0.1L), "0.1");
  EXPECT_EQ(FullPrecision(1.0L / 3), "0.333333333333333333");
}

TEST(CurveText, MediumLinesAndOperatingPoint) {
  const mainform::MainForm form = mainform::MainForm::Defaults('D');
  EXPECT_EQ(MediumLines(form, Texts()),
            (std::vector<std::string>{"Fördermedium: Wasser", "Aggregatzustand: flü.", "Dichte in kg/m³: 998,2",
                                      "Dyn.Viskos. in 10-6 kg/ms: 1002"}));
  const OperatingPoint point{82.2875655L, 1.3228756L, 13.5139026L};
  EXPECT_EQ(OperatingPointText(point, "m³/h", {"mbar", 1000}, Texts()),
            "Betriebspunkt: Q = 82,288 m³/h, Δp = 1322,876 mbar, H = 13,514 m");
  EXPECT_EQ(OperatingPointText(std::nullopt, "m³/h", {"bar", 1}, Texts()),
            Texts().FormText(kCurveWindowBlock, "msgNoIntersection"));
}

TEST(CurveRange, FieldsAreReadInOrder) {
  const text::TextStore& texts = Texts();
  const std::string invalid = texts.GlobalText(183) + "\n\"";
  const struct {
    const char* name;
    RangeFields fields;
    std::string text;  // the start of the first message, empty: accepted
    const char* focus;
    int points;
  } cases[] = {
      {"from not a number", {"abc", "x", "20"}, invalid + "von\"!", "Edit_Von", 0},
      {"to not a number", {"1", "x", "20"}, invalid + "bis\"!", "Edit_Bis", 0},
      {"points not a number", {"1", "10", "zwanzig"}, invalid + "Anzahl Berechnungspunkte:\"!", "Edit_Anzahl", 0},
      {"negative start", {"-1", "10", "20"}, texts.GlobalText(177), "Edit_Von", 0},
      {"too many points", {"0", "10", "10000"}, texts.GlobalText(177), "Edit_Anzahl", 0},
      {"empty range", {"5", "5", "20"}, texts.FormText(kRangeDialogBlock, "msgRangeEmpty"), "Edit_Bis", 0},
      {"one point is ten", {"1", "10", "1"}, "", "", 10},
      {"empty points are ten", {"0", "10", ""}, "", "", 10},
      {"decimal comma, rounded", {"1,5", "10", "20,5"}, "", "", 21},
  };
  for (const auto& c : cases) {
    const RangeCheck check = CheckCurveRange(c.fields, texts);
    if (c.text.empty()) {
      ASSERT_TRUE(check.request) << c.name;
      EXPECT_EQ(check.request->points, c.points) << c.name;
      continue;
    }
    EXPECT_FALSE(check.request) << c.name;
    ASSERT_FALSE(check.messages.empty()) << c.name;
    EXPECT_EQ(check.messages[0].text.rfind(c.text, 0), 0u) << c.name << ": " << check.messages[0].text;
    EXPECT_EQ(check.messages[0].focus, c.focus) << c.name;
    EXPECT_EQ(check.messages[0].icon, text::MessageIcon::Error) << c.name;
  }
}

TEST(CurveRange, TheCommandNeedsALiquidAndAnElement) {
  mainform::MainForm form = mainform::MainForm::Defaults('D');
  EXPECT_FALSE(RefuseCurveCommand(form, true, Texts()));
  const auto empty = RefuseCurveCommand(form, false, Texts());
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->text, Texts().FormText("MyWindow", "msgCalculateFirst"));
  EXPECT_EQ(empty->caption, Texts().GlobalText(184));
  EXPECT_EQ(empty->icon, text::MessageIcon::Error);
  form.gas = true;
  EXPECT_EQ(RefuseCurveCommand(form, true, Texts())->text, Texts().FormText("MyWindow", "msgCurveLiquidOnly"));
}

TEST(CurveRange, OperatingDataAreCheckedAsTheMainWindowDoes) {
  mainform::MainForm form = mainform::MainForm::Defaults('D');
  form.elementGroup = 5;  // whatever the element panel holds does not matter
  form.elementKind = 5;
  form.branchFlow = "viel";
  form.viscosityKind = 1;  // kinematic: 1 mm²/s times the density
  form.viscosity = "1";
  const OperatingData read = CurveOperatingData(form, Texts());
  ASSERT_TRUE(read.input);
  EXPECT_NEAR(read.input->Viscosity, 998.2L, 1e-12L);
  form.density = "0";
  const OperatingData refused = CurveOperatingData(form, Texts());
  EXPECT_FALSE(refused.input);
  ASSERT_FALSE(refused.messages.empty());
  EXPECT_EQ(refused.messages.front().focus, "Eingabe_Dichte");
}

TEST(CurveTexts, EveryKeyInEveryEdition) {
  const char* const dialog[] = {"Caption",       "Label1",         "Label2",        "Label3",
                                "Label4",        "BitBtn1",        "BitBtn2",       "wElement",
                                "capWarning",    "msgRangeEmpty",  "msgGasLimit",   "msgGasLimitRange",
                                "msgZeroCurve",  "msgZeroCurveUs", "msgTransition", "msgUnreadableColumn",
                                "msgCurveFailed"};
  const char* const window[] = {"Caption",
                                "lblMedium",
                                "lblPhase",
                                "wDensity",
                                "wFlow",
                                "wLoss",
                                "wHead",
                                "BitBtn1",
                                "BitBtn2",
                                "BitBtn3",
                                "BtnPng",
                                "BtnSvg",
                                "BtnCsv",
                                "filterPng",
                                "filterSvg",
                                "filterCsv",
                                "msgExportFailed",
                                "GroupPump",
                                "LabelPump",
                                "LabelHeadUnit",
                                "BtnPaste",
                                "BtnApply",
                                "BtnClear",
                                "wOperatingPoint",
                                "msgNoIntersection",
                                "msgPumpNotNumber",
                                "msgPumpTooFew",
                                "msgPumpRising"};
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    for (const char* key : dialog) EXPECT_TRUE(texts.HasFormText(kRangeDialogBlock, key)) << edition << " " << key;
    for (const char* key : window) EXPECT_TRUE(texts.HasFormText(kCurveWindowBlock, key)) << edition << " " << key;
  }
}

}  // namespace
}  // namespace velmora::curve
