// velmora-calc calc: requests read from arguments and JSON lines, answered with the dialogs'
// numbers, texts, refusals and messages.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "CalcCommand.h"
#include "CalcRequest.h"
#include "TestTexts.h"

namespace velmora::cli {
namespace {

const TextsOf kTexts = [](text::Edition edition) { return &testing_support::Texts(edition); };

std::string Answer(std::string_view name, std::initializer_list<const char*> arguments, bool* answered = nullptr) {
  CalcRequest request;
  const std::vector<const char*> words(arguments);
  CalcRequestFromArguments(name, words, request, 'D');
  std::string out, refused;
  const bool done = AnswerCalc(request, kTexts, out, refused);
  if (answered != nullptr) *answered = done;
  return out;
}

std::string Line(std::string_view line) {
  CalcRequest request;
  FlatObject object;
  CalcRequestFromLine(line, object, request, 'D');
  std::string out, refused;
  AnswerCalc(request, kTexts, out, refused);
  return out;
}

bool Has(const std::string& out, std::string_view piece) { return out.find(piece) != std::string::npos; }

TEST(CalcCommand, EveryCalculatorAnswersItsWorkedExample) {
  const struct {
    const char* name;
    std::vector<const char*> arguments;
    const char* piece;
  } cases[] = {
      {"orifice-design", {"flow=1", "density=998.2", "viscosity=1002", "D1=50", "dp=0.1"}, "\"pipe_reynolds\":7046.7"},
      {"outflow", {"A=1", "H=1", "mu=1", "edition=E", "decimals=4"}, "\"flow_text\":\"4.4294\""},
      {"small-opening-mu", {"kind=2", "angle=90"}, "\"shown\":\"0,74\""},
      {"large-opening-mu", {"edge=1"}, "\"take_over\":\"0,7\""},
      {"draining-time", {"D=1", "d=100", "H=1", "mu=0.6"}, "\"shown\":\"75 s = 1,3 Min.\""},
      {"open-channel", {"B=2", "H=1", "slope_given=2", "percent=1", "kSt=50"}, "\"velocity_text\":\"3,150\""},
      {"channel-design", {"Q=1", "slope_given=2", "percent=0.1", "kSt=60", "decimals=4"}, "\"first_text\":\"1,4424\""},
      {"strickler", {"kind=1", "condition=2"}, "\"take_over\":\"90\""},
  };
  for (const auto& c : cases) {
    CalcRequest request;
    CalcRequestFromArguments(c.name, c.arguments, request, 'D');
    std::string out, refused;
    EXPECT_TRUE(AnswerCalc(request, kTexts, out, refused)) << c.name;
    EXPECT_TRUE(Has(out, c.piece)) << out;
    EXPECT_FALSE(Has(out, "\"error\"")) << out;
  }
}

TEST(CalcCommand, RefusalsNameTheFieldAndCarryTheMessages) {
  bool answered = true;
  std::string out = Answer("draining-time", {"D=1", "d=100", "H=1", "mu=0"}, &answered);
  EXPECT_FALSE(answered);
  EXPECT_TRUE(Has(out, "\"refused\":\"Edit8\"")) << out;
  EXPECT_FALSE(Has(out, "\"seconds\""));
  out = Answer("orifice-design", {"flow=abc", "density=998.2", "viscosity=1002", "D1=50", "dp=0.1"}, &answered);
  EXPECT_TRUE(Has(out, "\"refused\":\"Eingabe_Volumenstrom\"")) << out;
  // The pipe that needs no orifice answers without a bore, and says so.
  out = Answer("orifice-design", {"flow=100", "density=998.2", "viscosity=1002", "D1=100", "dp=0.0001"}, &answered);
  EXPECT_TRUE(answered);
  EXPECT_TRUE(Has(out, "\"no_orifice_needed\":true")) << out;
  EXPECT_FALSE(Has(out, "\"bore\""));
  EXPECT_TRUE(Has(out, "Keine Drosselblende")) << out;
}

TEST(CalcCommand, JsonLinesTakeTheirInputsFromTheLineItself) {
  std::string out = Line(R"({"id": 7, "calculator": "open-channel", "B": 2, "H": 1, "slope_given": 2,)"
                         R"( "percent": 1, "kSt": 50, "us": true, "edition": "E"})");
  EXPECT_TRUE(Has(out, "{\"id\":7,\"calculator\":\"open-channel\"")) << out;
  EXPECT_TRUE(Has(out, "\"velocity\":3.149")) << out;            // m/s, whatever the display
  EXPECT_TRUE(Has(out, "\"velocity_text\":\"10.334\"")) << out;  // 3.14980 m/s is 10.3340 ft/s
  out = Line(R"({"id": "x", "calculator": "outflow", "A": "1,5", "H": 2, "mu": 0.6})");
  EXPECT_TRUE(Has(out, "\"area\":1.5")) << out;  // a text is read as the field would read it
  const std::array<std::pair<const char*, const char*>, 6> errors = {{
      {R"({"id": 1, "calculator": "outflow", "Z": 1})", "unknown key \\\"Z\\\" of outflow"},
      {R"({"id": 1, "calculator": "outflow", "A": 1, "A": 2})", "duplicate key"},
      {R"({"id": 1, "calculator": "outflow", "decimals": 9})", "decimals: must be"},
      {R"({"id": 1, "calculator": "outflow", "edition": "X"})", "edition: must be"},
      {R"({"id": 1, "A": 1})", "missing calculator"},
      {R"({"id": 1, "calculator": "strickler", "kind": 8, "condition": 1})", "no such kind"},
  }};
  for (const auto& [line, error] : errors) {
    out = Line(line);
    EXPECT_TRUE(Has(out, "{\"id\":1,")) << out;
    EXPECT_TRUE(Has(out, "\"error\":")) << out;
    EXPECT_TRUE(Has(out, error)) << out;
  }
}

TEST(CalcCommand, HelpNamesEveryCalculatorAndKey) {
  const std::string help = CalcHelpText();
  for (const Calculator& calculator : Calculators()) {
    EXPECT_TRUE(Has(help, "  " + std::string(calculator.name) + ": ")) << calculator.name;
    for (const CalcKey& key : KeysOf(calculator)) {
      if (key.meaning.empty()) continue;  // "pressure." keys, told once under "suction."
      const std::string row = "    " + std::string(key.name);
      EXPECT_TRUE(Has(help, row + " ") || Has(help, row + "\n")) << key.name;
    }
  }
  EXPECT_TRUE(Has(help, R"("inputs": {)"));
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

TEST(CalcCommand, PumpDesignNpshDiameterAndConvertersAnswerTheirExamples) {
  const struct {
    const char* name;
    std::vector<const char*> arguments;
    const char* expected;
  } cases[] = {
      {"npsh", {"suction_pressure=1", "vapour_pressure=0.0234", "density=998.2"}, "\"shown\":\"10,0 m\""},
      {"pump-head", {"dp=1", "density=1000"}, "\"shown\":\"10,2 m\""},
      {"kv-to-zeta", {"kv=10", "diameter=50"}, "\"zeta\":100,"},
      {"cv-to-zeta", {"cv=10", "diameter=50"}, "\"shown\":\"135,208\""},
      {"standard-to-operating", {"standard_flow=100", "temperature=20", "pressure=2"}, "\"shown\":\"54,372 m³/h\""},
      {"velocity-to-flow", {"velocity=1", "diameter=100"}, "\"shown\":\"28,27 m³/h\""},
      {"flow-to-velocity", {"flow=28.2743", "diameter=100"}, "\"shown\":\"1,00 m/s\""},
      {"economic-dn", {"flow=30"}, "\"table_dn_1\":66,\"table_dn_2\":97"},
  };
  for (const auto& c : cases) {
    CalcRequest request;
    CalcRequestFromArguments(c.name, c.arguments, request, 'D');
    std::string out, refused;
    EXPECT_TRUE(AnswerCalc(request, kTexts, out, refused)) << c.name << out;
    EXPECT_NE(out.find(c.expected), std::string::npos) << c.name << ": " << out;
  }
  // The pump design as a JSON line with the lines' prefixed members.
  CalcRequest request;
  auto object = std::make_unique<FlatObject>();
  CalcRequestFromLine(
      R"({"calculator":"pump-design","flow":30,"density":998.2,"viscosity":1002,"vapour_pressure":0.02339,)"
      R"("suction.vessel_pressure":1.01325,"suction.height":2,"suction.length":5,"suction.diameter":100,)"
      R"("suction.gate_valves":1,"pressure.vessel_pressure":3,"pressure.height":20,"pressure.length":50,)"
      R"("pressure.diameter":80,"pressure.globe_valves":1,"pressure.swing_check_valves":1,)"
      R"("pressure.element1_count":2,"pressure.element1_zeta":0.5})",
      *object, request, 'D');
  std::string out, refused;
  ASSERT_TRUE(AnswerCalc(request, kTexts, out, refused)) << out;
  EXPECT_NE(out.find("\"head\":41.5"), std::string::npos) << out;
  EXPECT_NE(out.find("Förderhöhe in m:\\t41,511"), std::string::npos) << out;
  // The same design with its inputs in "inputs" and each line an object with fittings and elements.
  CalcRequestFromLine(
      R"({"calculator":"pump-design","inputs":{"flow":30,"density":998.2,"viscosity":1002,"vapour_pressure":0.02339,)"
      R"("suction":{"vessel_pressure":1.01325,"height":2,"length":5,"diameter":100,"fittings":{"gate_valves":1}},)"
      R"("pressure":{"vessel_pressure":3,"height":20,"length":50,"diameter":80,)"
      R"("fittings":{"globe_valves":1,"swing_check_valves":1},"elements":[{"count":2,"zeta":0.5}]}}})",
      *object, request, 'D');
  std::string nested;
  ASSERT_TRUE(AnswerCalc(request, kTexts, nested, refused)) << nested;
  EXPECT_EQ(nested, out);
  CalcRequestFromLine(R"({"id":"x","calculator":null})", *object, request, 'D');
  EXPECT_EQ(request.error, "unknown calculator \"null\"");
  for (const char* wrong : {R"({"calculator":"npsh","inputs":1})",
                            R"({"calculator":"pump-design","inputs":{"suction":{"elements":[1,2,3,4]}}})",
                            R"({"calculator":"npsh","inputs":{"suction":{"length":5}}})"}) {
    CalcRequestFromLine(wrong, *object, request, 'D');
    EXPECT_TRUE(request.Failed()) << wrong;
  }
  // A refusal names the field; a damaged *.psa is an error with the file message.
  CalcRequestFromArguments("pump-design", std::vector<const char*>{"flow=0"}, request, 'D');
  EXPECT_FALSE(AnswerCalc(request, kTexts, out, refused));
  EXPECT_NE(out.find("\"refused\":\"Edit3\""), std::string::npos) << out;
  CalcRequestFromArguments("pump-design", std::vector<const char*>{"psa=/nonexistent.psa"}, request, 'D');
  out.clear();
  AnswerCalc(request, kTexts, out, refused);
  EXPECT_NE(out.find("\"error\":\"Die Datei nonexistent.psa kann nicht"), std::string::npos) << out;
}

}  // namespace
}  // namespace velmora::cli
