#include <gtest/gtest.h>

#include "TestTexts.h"
#include "fluids/AqueousDialog.h"
#include "fluids/OilDialog.h"
#include "text/TEncryption.h"

namespace velmora::fluids {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

template <typename Record>
const Record& Named(const std::vector<Record>& records, const char* name) {
  for (const Record& record : records) {
    if (record.name == name) return record;
  }
  throw std::runtime_error(name);
}

const OilDatabase& Oils() {
  static const OilDatabase database = *LoadOilDatabase(VELMORA_TEST_PROGRAM_DIR);
  return database;
}

const AqueousDatabase& Solutes() {
  static const AqueousDatabase database = *LoadAqueousDatabase(VELMORA_TEST_PROGRAM_DIR);
  return database;
}

// The program's formulas with WT.STW against the check table of the oil data (oils_checks.tsv:
// ρ kg/m³ to 0.1, μ 10⁻⁶ kg/(m·s) to the unit, from the fits' unrounded coefficients, which the
// six digits of WT.STW hold to 5·10⁻⁵); the fits lie within 4 % of the makers' tables there.
TEST(HeatTransferOils, AgainstTheirCheckTable) {
  EXPECT_EQ(Oils().oils.size(), 11u);
  EXPECT_TRUE(Oils().skipped.empty());
  struct Point {
    const char* name;
    long double t, density, viscosity;
  };
  const Point points[] = {{"Synthetic aromatic HTF (modified terphenyl type)", 20, 1008.4L, 124907},
                          {"Synthetic aromatic HTF (modified terphenyl type)", 100, 955.0L, 3550},
                          {"Synthetic aromatic HTF (modified terphenyl type)", 200, 885.1L, 850},
                          {"Synthetic aromatic HTF (modified terphenyl type)", 300, 808.6L, 425},
                          {"Diphenyl/diphenyl-oxide eutectic", 20, 1064.2L, 4252},
                          {"Diphenyl/diphenyl-oxide eutectic", 100, 998.6L, 984}};
  for (const Point& p : points) {
    SCOPED_TRACE(testing::Message() << p.name << " " << static_cast<double>(p.t));
    const OilValues values = OilProperties(Named(Oils().oils, p.name), p.t);
    EXPECT_NEAR(values.density, p.density, 0.05);
    EXPECT_NEAR(values.viscosity, p.viscosity, 0.5L + 5e-5L * p.viscosity);
  }
}

// Whole degrees: 150.4 °C is calculated at 150 °C, 300.6 °C is 301 °C and refused; an oil without
// viscosity data shows "k.A.", which is also what it hands over.
TEST(HeatTransferOils, DialogRoundsToWholeDegreesAndShowsMissingData) {
  const text::TextStore& texts = German();
  const OilRecord& oil = Oils().oils.front();
  EXPECT_EQ(CalculateOilDialog(oil, {"150,4", 0}, texts, false).values->density,
            CalculateOilDialog(oil, {"150", 0}, texts, false).values->density);
  OilOutcome outcome = CalculateOilDialog(oil, {"300,6", 0}, texts, false);
  ASSERT_TRUE(outcome.message);
  EXPECT_EQ(outcome.message->text, "Die Temperatur liegt über 300 °C, dem oberen Ende des Gültigkeitsbereichs.");
  EXPECT_EQ(outcome.message->focus, kOilTemperatureEdit);
  EXPECT_TRUE(CalculateOilDialog(oil, {"-0,4", 0}, texts, false).values);   // 0 °C
  EXPECT_TRUE(CalculateOilDialog(oil, {"-0,5", 0}, texts, false).message);  // −1 °C
  OilRecord withoutViscosity = oil;
  withoutViscosity.A = 0;
  outcome = CalculateOilDialog(withoutViscosity, {"100", 0}, texts, false);
  EXPECT_EQ(outcome.values->viscosity, "k.A.");
  EXPECT_EQ(OilTakeOver(withoutViscosity, {"100", 0}, *outcome.values, false).viscosity, "k.A.");
  EXPECT_EQ(OilTypeText(oil, texts), "synthetisches Wärmeträgeröl");
}

// Damaged lines of WT.STW are skipped and noted, the header line dropped unread.
TEST(HeatTransferOils, ReaderSkipsDamagedLines) {
  const std::string good = "2\tOil\t\t\t1000\t-0,7\t0\t0\t\t\t\t\t\t-2\t600\t100";
  const std::string lines = "header\n" + text::Scramble(good, 1) + "\n" + text::Scramble("5\tBad type", 1) + "\n" +
                            text::Scramble("1\tNo number\t\t\tx\t0\t0\t0", 1) + "\nnot scrambled\n" +
                            text::Scramble("3\tNo viscosity\t\t\t900\t0\t0\t0", 1) + "\n";
  const OilDatabase database = ReadOilDatabase(DecodeTableLines(lines, LineCoding::Scrambled, 1));
  ASSERT_EQ(database.oils.size(), 2u);
  EXPECT_FALSE(database.oils[1].HasViscosity());
  EXPECT_EQ(database.skipped, (std::vector<int>{3, 4, 5}));
}

// The program's formulas with WAESSRIG.STW against the check table of the solution data
// (aqueous_checks.tsv, on Laliberté's water: ρ to 0.1 kg/m³, μ to 0.001 mPa·s); the program's water
// (IF97, IAPS 1985) lies within 0.1 % and 1.5 % of Laliberté's.
TEST(AqueousSolutions, AgainstTheirCheckTable) {
  EXPECT_EQ(Solutes().solutes.size(), 29u);
  struct Point {
    const char* name;
    long double t, c, density, viscosity;  // °C, mass-%, kg/m³, mPa·s
  };
  const Point points[] = {{"Sodium chloride", 20, 10, 1070.6L, 1.226L},
                          {"Sodium chloride", 20, 20, 1148.3L, 1.499L},
                          {"Sodium chloride", 50, 10, 1057.7L, 0.682L},
                          {"Potassium chloride", 20, 10, 1063.5L, 1.006L},
                          {"Magnesium chloride", 20, 10, 1083.0L, 1.590L}};
  for (const Point& p : points) {
    SCOPED_TRACE(testing::Message() << p.name << " " << static_cast<double>(p.c));
    const Solute solute[] = {{&Named(Solutes().solutes, p.name), p.c}};
    const std::optional<SolutionValues> values = SolutionProperties(solute, p.t + 273.15L);
    ASSERT_TRUE(values);
    EXPECT_NEAR(values->density / p.density, 1, 0.001);
    EXPECT_NEAR(values->viscosity / (p.viscosity * 1000), 1, 0.015);
  }
}

// WAESSRIG.STW drops its two header lines unread; a line without six numbers is skipped.
TEST(AqueousSolutions, ReaderDropsTwoHeaderLines) {
  const std::string lines = text::Scramble("names", 1) + "\n" + text::Scramble("units", 1) + "\n" +
                            text::Scramble("Salt\t1-2-3\tNaX\t3000\t700\t600\t80\t38\t-1,4", 1) + "\n" +
                            text::Scramble("Short\t\tX\t3000\t700", 1) + "\n";
  const AqueousDatabase database = ReadAqueousDatabase(DecodeTableLines(lines, LineCoding::Scrambled, 2));
  ASSERT_EQ(database.solutes.size(), 1u);
  EXPECT_EQ(database.solutes[0].shortText, "NaX");
  EXPECT_EQ(database.solutes[0].B[2], -1.4L);
  EXPECT_EQ(database.skipped, std::vector<int>{4});
}

// A mixture of a solute with itself is the solution of the sum (the model is linear in c); the
// mixture's rules: two substances at least, concentrations below 100 % together.
TEST(AqueousSolutions, MixtureRules) {
  const text::TextStore& texts = German();
  const SoluteRecord& salt = Named(Solutes().solutes, "Sodium chloride");
  const Solute ten[] = {{&salt, 10}};
  const Solute fiveAndFive[] = {{&salt, 5}, {&salt, 5}};
  EXPECT_NEAR(SolutionProperties(fiveAndFive, 300)->density, SolutionProperties(ten, 300)->density, 1e-12);
  EXPECT_NEAR(SolutionProperties(fiveAndFive, 300)->viscosity, SolutionProperties(ten, 300)->viscosity, 1e-9);
  MixtureForm form;
  form.temperature = "20";
  form.solutes[2] = &salt;
  form.concentrations = {"", "", "10", ""};
  EXPECT_EQ(CalculateMixtureDialog(form, texts, false).message->text, "Eine Mischung braucht mindestens zwei Stoffe.");
  form.solutes[0] = &Solutes().solutes.front();  // the first of the list counts like any other
  form.concentrations[0] = "90";
  EXPECT_EQ(CalculateMixtureDialog(form, texts, false).message->text,
            "Die Konzentrationen der Mischung müssen zusammen unter 100 Massen-% liegen.");
  form.concentrations[0] = "89,9";
  EXPECT_TRUE(CalculateMixtureDialog(form, texts, false).values);
  // One solute: 100 % refused; the temperature from 273.15 to 473.15 K.
  EXPECT_TRUE(CalculateAqueousDialog(salt, {"20", 0, "100"}, texts, false).message);
  EXPECT_TRUE(CalculateAqueousDialog(salt, {"-0,1", 0, "10"}, texts, false).message);
  EXPECT_TRUE(CalculateAqueousDialog(salt, {"200", 0, "10"}, texts, false).values);
  EXPECT_EQ(CalculateAqueousDialog(salt, {"200,1", 0, "10"}, texts, false).message->text,
            "Die Temperatur liegt über 200 °C (473,15 K).");
  const AqueousShown shown{"1071", "1225"};
  EXPECT_EQ(AqueousTakeOver(salt, {"20", 0, "10"}, shown, texts, false).description,
            "Sodium chloride (20 °C, 10 Massen-%)");
  EXPECT_EQ(MixtureTakeOver(form, shown, texts, false).description, "Stoff-Mischung (20 °C)");
}

}  // namespace
}  // namespace velmora::fluids
