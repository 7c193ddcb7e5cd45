#include <gtest/gtest.h>

#include "TestTexts.h"
#include "fluids/LiquidDialog.h"
#include "text/TEncryption.h"

namespace velmora::fluids {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

const LiquidRecord& Water() {
  static const LiquidDatabase database = *LoadLiquidDatabase(VELMORA_TEST_PROGRAM_DIR);
  return database.liquids.front();
}

// Water's rows (IAPWS-95, IAPWS 2008 at 1 atm): 10 °C 999.7 kg/m³ 1306, 20 °C 998.2 1002, …, 80 °C.
TEST(LiquidDatabase, AtBetweenAndOutsideTheRows) {
  ASSERT_EQ(Water().name, "Water");
  EXPECT_EQ(Water().rows.size(), 8u);
  const LiquidValues at = *LiquidAt(Water(), 20);
  EXPECT_EQ(at.density, 998.2L);
  EXPECT_EQ(at.viscosity, 1002);
  const LiquidValues between = *InterpolateLiquid(Water(), 15);
  EXPECT_NEAR(between.density, 998.95L, 1e-12);
  EXPECT_NEAR(between.viscosity, 1154, 1e-12);
  const LiquidValues near = *InterpolateLiquid(Water(), 79);  // 70 … 80 °C: 977.8 − 0.9·6.0
  EXPECT_NEAR(near.density, 972.4L, 1e-12);
  for (const long double t : {10.0L, 80.0L, 9.0L, 85.0L}) EXPECT_FALSE(InterpolateLiquid(Water(), t)) << t;
  EXPECT_TRUE(LiquidAt(Water(), 80).has_value());  // a row's own values at the last row
}

TEST(LiquidDialog, RowsInterpolationAndTakeOvers) {
  const text::TextStore& t = German();
  const LiquidRowDisplay row = ShowLiquidRow(Water(), 1, t, false);
  EXPECT_EQ(row.fahrenheit, "(= 68 °F)");
  EXPECT_EQ(row.values.density, "998,2");  // the stored text with the edition's separator
  EXPECT_EQ(row.values.viscosity, "1002");
  const LiquidRowDisplay us = ShowLiquidRow(Water(), 1, t, true);
  EXPECT_EQ(us.values.density, "62,3");     // 998.2/16.0184655
  EXPECT_EQ(us.values.viscosity, "1,002");  // cP
  EXPECT_EQ(ShowLiquid(Water(), t).boilingPoint, "99,97 °C  (= 211,9 °F)");
  EXPECT_EQ(ShowLiquid(Water(), testing_support::Texts('E')).meltingPoint, "0.00 °C  (= 32.0 °F)");

  EXPECT_FALSE(InterpolateLiquidDialog(Water(), {0, "", 0}, t, false).has_value());
  const LiquidOutcome between = *InterpolateLiquidDialog(Water(), {0, "59", 2}, t, false);  // 59 degF = 15 °C
  EXPECT_EQ(between.values->density, "999");
  EXPECT_EQ(between.values->viscosity, "1154");
  const LiquidOutcome edge = *InterpolateLiquidDialog(Water(), {0, "10", 0}, t, false);
  EXPECT_EQ(edge.message->text, t.FormText(kLiquidBlock, "msgOutOfRange"));
  EXPECT_EQ(edge.message->icon, text::MessageIcon::None);
  EXPECT_EQ(edge.message->focus, "TemperaturEdit");
  EXPECT_EQ(InterpolateLiquidDialog(Water(), {0, "1,0,1", 0}, t, false)->message->text,
            "Ungültige Eingabe:\n\"Temperatur:\"!");

  const MediumTakeOver fromRow = LiquidRowTakeOver(Water(), {1, "", 0}, row.values, false);
  EXPECT_EQ(fromRow.description, "Water (20 °C)");
  EXPECT_FALSE(fromRow.gas);
  EXPECT_FALSE(fromRow.gasData.has_value());
  const MediumTakeOver interpolated = LiquidInterpolatedTakeOver(Water(), {0, "59", 2}, {"62,4", "1,154"}, true);
  EXPECT_EQ(interpolated.description, "Water (59 degF)");
  EXPECT_EQ(interpolated.densityUnit, 8);
  EXPECT_EQ(interpolated.viscosityUnit, 5);
}

// A row runs until the end of the line or an empty field; a broken triple skips the line.
TEST(LiquidDatabase, SkipsDamagedLines) {
  const std::string lines[] = {
      "Three\tX\t0\t100\t10\t1000\t1300\t20\t998\t1000\t30\t995\t800",
      "Stops at empty\tX\t0\t100\t10\t1000\t1300\t\t20\t998\t1000",
      "Broken triple\tX\t0\t100\t10\t1000\t1300\t20\t998",
      "No number\tX\t0\t100\t10\tdense\t1300",
      "No rows\tX\t0\t100",
  };
  std::string content;
  for (const std::string& line : lines) content += text::Scramble(line, 1) + "\r\n";
  const LiquidDatabase database = ReadLiquidDatabase(DecodeTableLines(content, LineCoding::Scrambled, 0));
  ASSERT_EQ(database.liquids.size(), 2u);
  EXPECT_EQ(database.liquids[0].rows.size(), 3u);
  EXPECT_EQ(database.liquids[1].rows.size(), 1u);
  EXPECT_EQ(database.skipped, (std::vector<int>{3, 4, 5}));
}

}  // namespace
}  // namespace velmora::fluids
