// velmora-calc refuses what the main window refuses, with the window's messages: each limit of the
// element checks and coefficient tables, the count, the branch flow and the signs, one value just
// inside (calculated by both) and one just outside (refused by both with the same text).
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Batch.h"
#include "ResultLine.h"
#include "TestTexts.h"
#include "mainform/CalculateCommand.h"

namespace velmora::cli {
namespace {

enum class Medium { Water, Viscous, Gas };  // viscous: laminar flow, where more table limits apply

struct LimitCase {
  const char* name;
  int group;
  int kind;
  std::array<const char*, 5> dimensions;  // as the panel shows them: mm, m, degrees, % (nullptr: hidden)
  const char* key;                        // the input that is varied
  const char* inside;
  const char* outside;
  Medium medium = Medium::Water;
};

using Inputs = std::map<std::string, std::string>;

Inputs InputsOf(const LimitCase& c, const char* value) {
  Inputs in = {{"Input6", "0.1"}, {"Count", "1"}, {"VolumeFlow", "36"}, {"Density", "998.2"}, {"Viscosity", "1002"}};
  for (std::size_t slot = 0; slot < 5; ++slot) {
    if (c.dimensions[slot] != nullptr) in["Input" + std::to_string(slot + 1)] = c.dimensions[slot];
  }
  if (c.group == 5 && (c.kind == 5 || c.kind == 6)) in["BranchFlow"] = "10";
  if (c.medium == Medium::Viscous) in["Viscosity"] = "1000000";
  if (c.medium == Medium::Gas) {
    in.insert_or_assign("Density", "1.2");
    in.insert_or_assign("Viscosity", "18");
    in.insert({{"InletPressure", "5"}, {"InletTemperature", "293.15"}, {"OutletTemperature", "293.15"}});
  }
  in[c.key] = value;
  return in;
}

// The same numbers typed into the main window in m³/h, kg/m³, 10⁻⁶ kg/(m·s), bar and K.
mainform::MainForm FormOf(const LimitCase& c, const Inputs& in) {
  mainform::MainForm form;
  form.elementGroup = c.group;
  form.elementKind = c.kind;
  for (std::size_t slot = 0; slot < 5; ++slot) {
    const auto found = in.find("Input" + std::to_string(slot + 1));
    form.dimensions[slot] = found != in.end() ? found->second : "";
  }
  form.roughness = in.at("Input6");
  form.count = in.at("Count");
  form.flow = in.at("VolumeFlow");
  form.density = in.at("Density");
  form.viscosity = in.at("Viscosity");
  if (in.contains("BranchFlow")) form.branchFlow = in.at("BranchFlow");
  form.gas = c.medium == Medium::Gas;
  if (form.gas) {
    form.inletPressure = in.at("InletPressure");
    form.inletTemperature = in.at("InletTemperature");
    form.inletTemperatureUnit = 1;  // K
    form.outletTemperature = in.at("OutletTemperature");
    form.outletTemperatureUnit = 1;
  }
  return form;
}

std::string LineOf(const LimitCase& c, const Inputs& in) {
  std::string line = "{\"ElementGroup\":" + std::to_string(c.group) + ",\"ElementKind\":" + std::to_string(c.kind);
  if (c.medium == Medium::Gas) line += ",\"Gas\":true";
  for (const auto& [key, value] : in) line += ",\"" + key + "\":" + value;
  return line + "}";
}

// The window's messages as velmora-calc words its refusal, as a JSON string.
std::string RefusedMember(const text::Messages& messages) {
  std::string text;
  for (const text::Message& message : messages) text += (text.empty() ? "" : "\n\n") + message.text;
  std::string out = "\"refused\":";
  AppendJsonString(out, text);
  return out;
}

class WindowChecks : public testing::TestWithParam<LimitCase> {};

TEST_P(WindowChecks, InsideCalculatesOutsideIsRefusedWithTheWindowsText) {
  const LimitCase& c = GetParam();
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    const Checks checks(texts);
    Scratch scratch;
    for (const bool inside : {true, false}) {
      const char* value = inside ? c.inside : c.outside;
      const Inputs in = InputsOf(c, value);
      const mainform::CalculateChecks window = mainform::CheckCalculateInputs(FormOf(c, in), texts);
      std::string line;
      ProcessLine(LineOf(c, in), checks, scratch, line);
      SCOPED_TRACE(std::string(1, edition) + " " + c.key + "=" + value + ": " + line);
      if (inside) {
        ASSERT_TRUE(window.input.has_value()) << RefusedMember(window.messages);
        EXPECT_EQ(line.find("\"refused\""), std::string::npos);
        EXPECT_EQ(line.find("\"PressureLoss\":null"), std::string::npos);
        EXPECT_NE(line.find("\"Error\":null"), std::string::npos);
      } else {
        ASSERT_FALSE(window.input.has_value());
        ASSERT_FALSE(window.messages.empty());
        EXPECT_NE(line.find(",\"Error\":null," + RefusedMember(window.messages) + "}"), std::string::npos);
        EXPECT_NE(line.find("\"PressureLoss\":null"), std::string::npos);
      }
    }
  }
}

// clang-format off
const LimitCase kLimits[] = {
    {"pipeDiameter", 1, 1, {"100", "50"}, "Input1", "1", "0"},
    {"pipeLength", 1, 1, {"100", "50"}, "Input2", "0.001", "-0.001"},
    {"roughness", 1, 1, {"100", "50"}, "Input6", "0", "-0.001"},
    {"rectangleLength", 1, 2, {"100", "200", "10"}, "Input3", "0.001", "0"},
    {"annulusInnerEqual", 1, 3, {"100", "50", "1"}, "Input2", "99", "100"},
    {"annulusInnerLarger", 1, 3, {"100", "50", "1"}, "Input2", "99", "100.001"},
    {"annulusRatio", 1, 3, {"100", "50", "1"}, "Input2", "1", "0.999"},
    {"corrugatedPitchLow", 1, 5, {"50", "5", "20", "1"}, "Input2", "4", "3.999"},
    {"corrugatedPitchHigh", 1, 5, {"50", "5", "20", "1"}, "Input2", "24", "24.001"},
    {"corrugatedDepthLow", 1, 5, {"50", "5", "20", "1"}, "Input1", "109.89", "109.9"},
    {"corrugatedDepthHigh", 1, 5, {"50", "5", "20", "1"}, "Input1", "5", "4.999"},
    {"corrugatedLength", 1, 5, {"50", "5", "20", "1"}, "Input4", "0.02", "0.0199"},
    {"inletAngle", 2, 3, {"100", "45"}, "Input2", "89.999", "90"},
    {"expansion", 3, 1, {"50", "100"}, "Input1", "99.999", "100"},
    {"gradualExpansionAngle", 3, 2, {"50", "100", "10"}, "Input3", "89.999", "90"},
    {"contraction", 3, 3, {"100", "50"}, "Input2", "99.999", "100"},
    {"gradualContractionAngle", 3, 4, {"100", "50", "10"}, "Input3", "179.999", "180"},
    {"bendAngleMax", 4, 1, {"100", "150", "90"}, "Input3", "180", "180.001"},
    {"bendAngleMin", 4, 1, {"100", "150", "90"}, "Input3", "15", "14.999"},
    {"bendRadius", 4, 1, {"100", "150", "90"}, "Input2", "100", "99.999"},
    {"mitreAngle", 4, 2, {"100", "60"}, "Input2", "90", "90.001"},
    {"castBendSmallest", 4, 3, {"150"}, "Input1", "50", "49.999"},
    {"castBendLargest", 4, 3, {"150"}, "Input1", "500", "500.001"},
    {"rectBendAngle", 4, 4, {"100", "200", "150", "90"}, "Input4", "180", "180.001"},
    {"rectBendRadius", 4, 4, {"100", "200", "150", "90"}, "Input3", "100", "99.999"},
    {"rectBendAspectTable", 4, 4, {"100", "200", "150", "90"}, "Input2", "20", "19.999"},
    {"elbowAngle", 4, 5, {"100", "45"}, "Input2", "180", "180.001"},
    {"rectElbowAngle", 4, 6, {"100", "200", "45"}, "Input3", "180", "180.001"},
    {"teeBranch", 5, 1, {"100", "50"}, "Input2", "0.001", "0"},
    {"dividingRadius", 5, 5, {"100", "50", "10", "45"}, "Input3", "0", "-0.001"},
    {"dividingAngle", 5, 5, {"100", "50", "10", "45"}, "Input4", "179.999", "180"},
    {"dividingAngleLaminarTable", 5, 5, {"100", "50", "10", "45"}, "Input4", "90", "90.001", Medium::Viscous},
    {"combiningAngle", 5, 6, {"100", "50", "10", "45"}, "Input4", "179.999", "180"},
    {"trouserAngle", 5, 7, {"100", "45"}, "Input2", "90", "90.001"},
    {"curvedTrouserLow", 5, 8, {"100", "100"}, "Input2", "50", "49.999"},
    {"curvedTrouserHigh", 5, 8, {"100", "100"}, "Input2", "200", "200.001"},
    {"compensatorWaves", 6, 1, {"100", "3"}, "Input2", "1", "0"},
    {"uBendLength", 6, 3, {"100", "200"}, "Input2", "1000", "1000.001"},
    {"uBendLengthSign", 6, 3, {"100", "200"}, "Input2", "0", "-0.001"},
    {"gateHeight", 7, 4, {"100", "50"}, "Input2", "99.999", "100"},
    {"cockAngle", 7, 5, {"100", "30"}, "Input2", "50", "50.001"},
    {"butterflyAngle", 7, 6, {"100", "30"}, "Input2", "70", "70.001"},
    {"checkValveDiameter", 8, 3, {"100"}, "Input1", "0.001", "0"},
    {"isoOrificeSmallest", 9, 1, {"100", "30"}, "Input1", "50", "49.999"},
    {"isoOrificeLargest", 9, 1, {"100", "200"}, "Input1", "1000", "1000.001"},
    {"isoOrificeSmallestBore", 9, 1, {"100", "50"}, "Input2", "12.5", "12.499"},
    {"isoOrificeRatioLow", 9, 1, {"200", "50"}, "Input2", "20", "19.999"},
    {"isoOrificeRatioHigh", 9, 1, {"100", "50"}, "Input2", "75", "75.001"},
    {"isoOrificeBoreAndRange", 9, 1, {"100", "50"}, "Input2", "75", "100"},
    {"orificeBore", 9, 2, {"100", "50"}, "Input2", "99.999", "100"},
    {"roundedOrificeRadius", 9, 3, {"100", "50", "5"}, "Input3", "0", "-0.001"},
    {"perforatedDiscLength", 9, 4, {"100", "50", "10"}, "Input3", "0.001", "0"},
    {"nozzleSmallest", 9, 5, {"100", "20"}, "Input1", "50", "49.999"},
    {"nozzleLargest", 9, 5, {"100", "200"}, "Input1", "500", "500.001"},
    {"nozzleRatioLow", 9, 5, {"100", "50"}, "Input2", "30", "29.9998"},
    {"nozzleRatioHigh", 9, 5, {"100", "50"}, "Input2", "80", "80.001"},
    {"longRadiusLargest", 9, 6, {"100", "200"}, "Input1", "630", "630.001"},
    {"longRadiusRatioLow", 9, 6, {"100", "50"}, "Input2", "20", "19.999"},
    {"venturiRatioLow", 9, 7, {"100", "50"}, "Input2", "31.6228", "31.6227"},
    {"venturiRatioHigh", 9, 7, {"100", "50"}, "Input2", "77.4596", "77.4597"},
    {"plateFreeAreaLow", 10, 1, {"100", "40"}, "Input2", "1", "0.999"},
    {"plateFreeAreaHigh", 10, 1, {"100", "40"}, "Input2", "98.999", "99"},
    {"screenFreeArea", 11, 2, {"100", "200", "40"}, "Input3", "98.999", "99"},
    {"knownZeta", 12, 1, {"100", "2"}, "Input2", "0", "-0.001"},
    {"dynamicChangeOutlet", 13, 2, {"100", "50"}, "Input2", "0.001", "0"},
    {"countLargest", 1, 1, {"100", "50"}, "Count", "999", "1000"},
    {"countSmallest", 1, 1, {"100", "50"}, "Count", "1", "0"},
    {"branchBelowMain", 5, 5, {"100", "50", "10", "45"}, "BranchFlow", "35.999", "36"},
    {"branchPositive", 5, 6, {"100", "50", "10", "45"}, "BranchFlow", "0.001", "-0.001"},
    {"flow", 1, 1, {"100", "50"}, "VolumeFlow", "0.001", "0"},
    {"density", 1, 1, {"100", "50"}, "Density", "0.001", "-1"},
    {"viscosity", 1, 1, {"100", "50"}, "Viscosity", "0.001", "0"},
    {"gasPressure", 1, 1, {"100", "50"}, "InletPressure", "0.1", "0", Medium::Gas},
    {"gasInletTemperature", 1, 1, {"100", "50"}, "InletTemperature", "1", "0", Medium::Gas},
    {"gasOutletTemperature", 1, 1, {"100", "50"}, "OutletTemperature", "0.001", "-0.001", Medium::Gas},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Limits, WindowChecks, testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::cli
