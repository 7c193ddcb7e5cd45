// NPSH, the small converters, the economic nominal diameter and the pipeline content: the worked
// examples of their windows and values checked by hand, in the program's texts.
#include <gtest/gtest.h>

#include "TestTexts.h"
#include "calculators/Converters.h"
#include "calculators/EconomicDiameter.h"
#include "calculators/PipelineContent.h"
#include "text/GlobalTexts.h"

namespace velmora::calculators {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

std::string Invalid(const std::string& label) {
  return German().GlobalText(text::global::kInvalidInput) + "\n\"" + label + "\"!";
}

TEST(Npsh, ExamplesAndLimits) {
  const auto& t = German();
  struct Case {
    NpshForm form;
    std::string metres, feet;
  };
  const Case cases[] = {
      // (1 − 0.0234)·10.2/998.2·1000 = 9.98 m
      {{"1", 0, "0,0234", 0, "998,2", 0}, "10,0 m", "(= 32,7 ft.)"},
      // water at 20 °C from an open tank: about 10 m
      {{"1,01325", 0, "0,02339", 0, "998,2", 0}, "10,1 m", "(= 33,2 ft.)"},
      {{"1", 0, "1,2", 0, "998,2", 0}, "0,0 m", "(= 0,0 ft.)"},  // p_v above p_s
      {{"1", 0, "0,0234", 0, "0", 0}, "", ""},                   // ρ = 0: nothing
      {{"1", 0, "0,0234", 0, "-5", 0}, "", ""},
  };
  for (const Case& c : cases) {
    const TwoResults o = CalculateNpshDialog(c.form, t);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(o.first, c.metres);
    EXPECT_EQ(o.second, c.feet);
  }
  const TwoResults bad = CalculateNpshDialog({"1", 0, "x", 0, "998", 0}, t);
  EXPECT_EQ(bad.refused, "Edit2");
  EXPECT_EQ(bad.messages.at(0).text, Invalid("Dampfdruck:"));
}

TEST(Converters, WorkedExamples) {
  const auto& t = German();
  // Pump head: 1 bar of water is 10.19 m; 10 psig of loss is a difference, 7.0 m (not 17.4 m).
  TwoResults head = CalculatePumpHeadDialog({"1", 0, "1000", 0}, t);
  EXPECT_EQ(head.first, "10,2 m");
  EXPECT_EQ(head.second, "(= 33,4 ft.)");
  head = CalculatePumpHeadDialog({"10", 12, "1000", 0}, t);
  EXPECT_NEAR(*head.value, 7.028, 1e-3);
  EXPECT_FALSE(CalculatePumpHeadDialog({"1", 0, "0", 0}, t).value);
  // kv 10 m³/h in 50 mm: ζ = 0.0016·50⁴/10² = 100; Cv 10 gal/min: kv 8.6, ζ = 135.2; the textbook
  // relation ζ ≈ 1.6·10⁻³·d⁴/kv² for d = 100 mm and kv = 160 m³/h: 6.25; 2 in. is 50.8 mm.
  EXPECT_EQ(CalculateValveZetaDialog({"10", "50", 0}, false, t, {false, 1}).shown, "100,0");
  EXPECT_NEAR(*CalculateValveZetaDialog({"10", "50", 0}, true, t, {}).zeta, 135.208, 1e-3);
  EXPECT_NEAR(*CalculateValveZetaDialog({"160", "100", 0}, false, t, {}).zeta, 6.25, 1e-12);
  EXPECT_NEAR(*CalculateValveZetaDialog({"10", "2", 1}, false, t, {}).zeta, 0.0016 * 50.8 * 50.8 * 50.8 * 50.8 / 100,
              1e-9);
  const ValveZetaOutcome zero = CalculateValveZetaDialog({"0", "50", 0}, false, t, {});
  EXPECT_EQ(zero.refused, "Edit1");
  EXPECT_EQ(zero.messages.at(0).text, Invalid("kv-Wert in m³/h:"));
  // Standard to operating: 100 Nm³/h at 0 °C and 1.01325 bar is 100 m³/h; at 20 °C and 2 bar 54.37.
  EXPECT_EQ(CalculateStandardToOperatingDialog({"100", 2, "0", 0, "1,01325", 0}, t, {false, 2}).first, "100,00 m³/h");
  const TwoResults op = CalculateStandardToOperatingDialog({"100", 2, "20", 0, "2", 0}, t, {false, 2});
  EXPECT_EQ(op.first, "54,37 m³/h");
  EXPECT_EQ(op.second, "(= 239,39 gal/min)");
  EXPECT_EQ(CalculateStandardToOperatingDialog({"1", 0, "20", 0, "2", 0}, t, {false, 2}).first, "0,54 m³/s");
  // −14.7 psig is no pressure at all: refused, not divided by; a standard flow of 0 is refused.
  for (const StandardFlowForm& form :
       {StandardFlowForm{"100", 2, "20", 0, "-14,7", 12}, StandardFlowForm{"100", 2, "20", 0, "0", 0}}) {
    const TwoResults refused = CalculateStandardToOperatingDialog(form, t, {});
    EXPECT_EQ(refused.refused, "Edit_Druck");
    EXPECT_EQ(refused.messages.at(0).text, Invalid("Absoluter Druck:"));
    EXPECT_FALSE(refused.value);
  }
  EXPECT_TRUE(CalculateStandardToOperatingDialog({"100", 2, "20", 0, "0", 12}, t, {}).value);  // 0 psig
  EXPECT_EQ(CalculateStandardToOperatingDialog({"0", 2, "20", 0, "2", 0}, t, {}).refused, "Edit_Norm");
  // Velocity and flow: 1 m/s in 100 mm is 28.27 m³/h (124.49 gal/min) and back.
  const TwoResults q = CalculateVelocityToFlowDialog({"1", 0, "100", 0}, t);
  EXPECT_EQ(q.first, "28,27 m³/h");
  EXPECT_EQ(q.second, "(= 124,49 gal/min)");
  const TwoResults v = CalculateFlowToVelocityDialog({"28,2743", 0, "100", 0}, t);
  EXPECT_EQ(v.first, "1,00 m/s");
  EXPECT_EQ(v.second, "(= 3,28 ft./s)");
  EXPECT_EQ(CalculateFlowToVelocityDialog({"10", 4, "4", 1}, t).first, "1,23 m/s");  // 10 l/s in 4 in.
  EXPECT_FALSE(CalculateFlowToVelocityDialog({"10", 0, "0", 0}, t).value);
}

TEST(Converters, TakeOversIntoTheMainWindow) {
  mainform::MainForm main = mainform::MainForm::Defaults('D');
  ApplyZetaTakeOver(main, {"10", "2", 1}, "135,2");
  EXPECT_EQ(main.elementGroup, 12);
  EXPECT_EQ(main.elementKind, 1);
  EXPECT_EQ(main.dimensions[0], "2");
  EXPECT_EQ(main.dimensionUnits[0], 1);
  EXPECT_EQ(main.dimensions[1], "135,2");
  ApplyOperatingTakeOver(main, {"1", 1, "20", 0, "2", 0}, "0,54");
  EXPECT_TRUE(main.gas);
  EXPECT_EQ(main.flowUnit, 1);  // "m³/min"
  EXPECT_EQ(main.inletPressure, "2");
  main.flowKind = 1;
  ApplyFlowTakeOver(main, "28,27");
  EXPECT_EQ(main.flow, "28,27");
  EXPECT_EQ(main.flowKind, 0);
  EXPECT_EQ(main.flowUnit, 0);
}

TEST(EconomicDiameter, ThirtyCubicMetresOfWaterAndTheRanges) {
  const auto& t = German();
  EXPECT_EQ(TableDiameter(DiameterTable::LiquidA, 30), 66);  // between DN 60 at 23 and DN 70 at 34.08
  EXPECT_EQ(TableDiameter(DiameterTable::LiquidB, 30), 97);
  EXPECT_EQ(TableDiameter(DiameterTable::LiquidA, 0.1L), 1);
  EXPECT_EQ(TableDiameter(DiameterTable::GasD, 2e5L), 2000);
  const EconomicDiameterOutcome o = CalculateEconomicDiameterDialog({"30", 0, true}, false, t);
  const std::vector<std::string> memo = {
      "Wirtschaftliche Rohrnennweite",
      "Volumenstrom 30 m³/h:",
      "",
      "Wasser und dünnflüssige Medien (ν = 10^-6 m²/s)",
      "Errechneter Durchmesser: 66 mm",
      "Nennweite: DN 65 ==> Geschwindigkeit 2,51 m/s",
      "Nennweite: DN 80 ==> Geschwindigkeit 1,66 m/s",
      "",
      "Zähflüssige Medien (100*10^-6 m²/s)",
      "Errechneter Durchmesser: 97 mm",
      "Nennweite: DN 80 ==> Geschwindigkeit 1,66 m/s",
      "Nennweite: DN 100 ==> Geschwindigkeit 1,06 m/s",
      "",
  };
  EXPECT_EQ(o.memo, memo);
  // Imperial: DN 66 is 2.598 in., between 2.5 and 3 in.
  const EconomicDiameterOutcome us =
      CalculateEconomicDiameterDialog({"30", 0, false}, false, testing_support::Texts('E'));
  EXPECT_EQ(us.memo.at(4), "Calculated diameter: 2.60 in.");
  EXPECT_EQ(us.memo.at(5), "Nominal size: 2.50 in. ==> velocity 8.63 ft./s");
  EXPECT_EQ(us.memo.at(3), "Water and thin liquids (ν = 10^-5 sq.ft./s)");
  // A flow giving a series member prints one line; 0 becomes 1; a huge flow is out of range twice.
  const EconomicDiameterOutcome member = CalculateEconomicDiameterDialog({"47,77", 0, true}, false, t);
  EXPECT_EQ(member.memo.at(5), "Nennweite: DN 80 ==> Geschwindigkeit 2,64 m/s");
  EXPECT_EQ(member.memo.at(6), "");
  const EconomicDiameterOutcome one = CalculateEconomicDiameterDialog({"0", 0, true}, true, t);
  EXPECT_EQ(one.flowText, "1,0");
  EXPECT_EQ(one.memo.at(1), "Volumenstrom 1,0 m³/h:");
  EXPECT_EQ(one.memo.at(3), "Gase in Verteilnetzen mit geringem Druckverlust (p = 1 bar)");
  const EconomicDiameterOutcome huge = CalculateEconomicDiameterDialog({"1000000", 0, true}, true, t);
  EXPECT_EQ(huge.memo.at(4), "Außerhalb des Tabellenbereichs: > 1000 mm!!");
  EXPECT_EQ(huge.memo.at(7), "Außerhalb des Tabellenbereichs: > 1000 mm!!");
  const EconomicDiameterOutcome bad = CalculateEconomicDiameterDialog({"1,2,3", 0, true}, false, t);
  EXPECT_TRUE(bad.memo.empty());
  EXPECT_EQ(bad.messages.at(0).text, t.GlobalText(text::global::kInvalidInput) + " Volumenstrom:");
}

results::ResultColumn Column(const std::string& kind, std::initializer_list<std::string> dimensions) {
  results::ResultColumn column;
  column.rows[results::row::Kind] = kind;
  int row = results::row::Input1;
  for (const std::string& d : dimensions) column.rows[static_cast<std::size_t>(row++)] = d;
  return column;
}

TEST(PipelineContent, StraightPipesOnlyAndTheFillingTime) {
  const auto& t = German();
  results::ResultsTable table;
  table.AppendColumn(Column("Kreisrohr/2", {"Innendurchm. D in mm: 100,0", "Länge L in m: 10,0"}));
  table.AppendColumn(Column("Kreiskrümmer/1", {"D in mm: 100", "R in mm: 150", "Winkel: 90"}));
  table.AppendColumn(Column("Rechteckrohr/1", {"Breite a in mm: 200", "Höhe b in mm: 100", "Länge L in m: 5"}));
  table.AppendColumn(Column("Kreisringrohr/1", {"D: 100", "d: 50", "L: 4"}));
  // 2·π/4·0.1²·10 = 0.15708 m³; the bend counts nothing; 0.2·0.1·5 = 0.1 m³; π/4·(0.1² − 0.05²)·4.
  EXPECT_NEAR(PipelineContent(table, 1, 2, t, false), 0.1570796, 1e-7);
  EXPECT_NEAR(PipelineContent(table, 4, 1, t, false), 0.1570796 + 0.1 + 0.0235619, 1e-7);  // reversed range
  EXPECT_NEAR(PipelineContent(table, 3, 99, t, false), 0.1235619, 1e-7);
  EXPECT_EQ(ContentText(0.05L, false, 'D'), "50,00 l");
  EXPECT_EQ(ContentText(0.15708L, false, 'D'), "0,16 m³");
  EXPECT_EQ(ContentText(1, true, 'E'), "35.31 ft³");
  EXPECT_EQ(FillingTimeText(0.05L, 1, 'D'), "3,00 min");
  EXPECT_EQ(FillingTimeText(2, 1, 'D'), "2,00 h");
  EXPECT_EQ(FillingTimeText(0.001L, 1, 'D'), "3,60 s");
  EXPECT_FALSE(FillingTimeText(1, 0, 'D'));
  // A US table holds inches and feet: 4 in. over 10 ft.
  results::ResultsTable us;
  us.AppendColumn(Column("Kreisrohr/1", {"D in in.: 4", "L in ft.: 10"}));
  EXPECT_NEAR(PipelineContent(us, 1, 1, t, true), 0.785398163L * 0.1016L * 0.1016L * 3.048L, 1e-9);
}

}  // namespace
}  // namespace velmora::calculators
