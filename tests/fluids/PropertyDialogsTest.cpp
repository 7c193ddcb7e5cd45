#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "TestTexts.h"
#include "fluids/AirDialogs.h"
#include "fluids/GasDialog.h"
#include "fluids/LiquidDialog.h"
#include "fluids/MediumTakeOver.h"
#include "fluids/PropertyForm.h"
#include "fluids/VapourPressureDialog.h"
#include "fluids/WaterDialogs.h"

namespace velmora::fluids {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

// Every text of the property dialogs' blocks is filled in all four languages.
TEST(PropertyTexts, EveryKeyInEveryEdition) {
  for (const std::string_view block : {kWaterBlock, kSaturatedWaterBlock, kDryAirBlock, kHumidAirBlock,
                                       kSaturatedAirBlock, kGasBlock, kLiquidBlock, kVapourPressureBlock}) {
    std::ifstream file(std::string(VELMORA_SOURCE_DIR) + "/data/texts/forms/" + std::string(block) + ".tsv");
    ASSERT_TRUE(file.good()) << block;
    int keys = 0;
    for (std::string line; std::getline(file, line);) {
      if (line.empty() || line[0] == '#' || line.rfind("key\t", 0) == 0) continue;
      const std::string key = line.substr(0, line.find('\t'));
      ++keys;
      for (const text::Edition edition : text::kEditions) {
        EXPECT_TRUE(testing_support::Texts(edition).HasFormText(block, key)) << block << "/" << key << " " << edition;
      }
    }
    EXPECT_GT(keys, 10) << block;
  }
}

struct MessageCase {
  const char* name;
  std::optional<text::Message> message;
  const char* key;  // the block text, or nullptr for the invalid-entry message
  std::string_view block;
  text::MessageIcon icon;
  const char* caption;
  const char* focus;
};

WaterForm Water(const char* p, const char* t) { return {p, 0, t, 0}; }
DryAirForm DryAir(const char* p, const char* t, int tUnit = 0) { return {p, 0, t, tUnit}; }
HumidAirForm HumidAir(const char* p, const char* t, HumidityGiven given, const char* h) {
  return {p, 0, t, 0, given, h};
}

// Each refusal with its text, box and focus.
TEST(PropertyDialogs, Messages) {
  const text::TextStore& t = German();
  using enum text::MessageIcon;
  const MessageCase cases[] = {
      {"waterOutOfRange", CalculateWaterDialog(Water("500", "850"), t, false).message, "msgOutOfRange", kWaterBlock,
       None, "", "DruckEdit"},
      {"waterBelowZero", CalculateWaterDialog(Water("1", "-1"), t, false).message, "msgOutOfRange", kWaterBlock, None,
       "", "DruckEdit"},
      {"waterInvalid", CalculateWaterDialog(Water("1,0,1", "20"), t, false).message, nullptr, kWaterBlock, Error,
       "Fehler", "DruckEdit"},
      {"saturationLowPressure",
       CalculateSaturatedWaterDialog({SaturationGiven::Pressure, "20", 0, "0,005", 0}, t, false).message,
       "msgOutOfRange", kSaturatedWaterBlock, Information, "Information", "DruckEdit"},
      {"dryAirTooHot", CalculateDryAirDialog(DryAir("1", "2100", 1), t, false).message, "msgTemperature", kDryAirBlock,
       Error, "Fehler", "TemperaturEdit"},
      {"dryAirAtZeroKelvin", CalculateDryAirDialog(DryAir("1", "0", 1), t, false).message, "msgTemperature",
       kDryAirBlock, Error, "Fehler", "TemperaturEdit"},
      {"dryAirPressure", CalculateDryAirDialog(DryAir("20001", "20"), t, false).message, "msgPressure", kDryAirBlock,
       Error, "Fehler", "DruckEdit"},
      {"humidTemperature",
       CalculateHumidAirDialog(HumidAir("1", "201", HumidityGiven::RelativeHumidity, "50"), t, false).message,
       "msgTemperature", kHumidAirBlock, Error, "Fehler", "TemperaturEdit"},
      {"humidTooMoist",
       CalculateHumidAirDialog(HumidAir("1", "20", HumidityGiven::MoistureContent, "0,1"), t, false).message,
       "msgHumidity", kHumidAirBlock, Error, "Fehler", "FeuchteEdit"},
      {"humidInvalid",
       CalculateHumidAirDialog(HumidAir("1", "20", HumidityGiven::MoistureContent, "x"), t, false).message, nullptr,
       kHumidAirBlock, Error, "Fehler", "FeuchteEdit"},
      {"saturatedAirAtCritical", CalculateSaturatedAirDialog({"132,5", 1}, t, false).message, "msgOutOfRange",
       kSaturatedAirBlock, Information, "Information", "TemperaturEdit"},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.message.has_value());
    if (c.key != nullptr) EXPECT_EQ(c.message->text, t.FormText(c.block, c.key));
    EXPECT_EQ(c.message->icon, c.icon);
    EXPECT_EQ(c.message->caption, c.caption);
    EXPECT_EQ(c.message->focus, c.focus);
  }
  EXPECT_EQ(CalculateHumidAirDialog(HumidAir("1", "20", HumidityGiven::MoistureContent, "x"), t, false).message->text,
            "Ungültige Eingabe:\n\"Feuchtegehalt in kg Wasser/kg trockene Luft:\"!");
}

// "1,013" and "1.013" read alike; 80 °R is 373.15 K (Réaumur); results carry the edition's separator.
TEST(PropertyDialogs, ReadingAndShowing) {
  const WaterDisplay comma = *CalculateWaterDialog(Water("1,013", "20"), German(), false).display;
  const WaterDisplay point = *CalculateWaterDialog(Water("1.013", "20"), German(), false).display;
  EXPECT_EQ(comma.density, "998,206");
  EXPECT_EQ(point.density, comma.density);
  EXPECT_EQ(comma.specificVolume, "0,001002");
  EXPECT_EQ(comma.viscosity, "1001,61");
  EXPECT_EQ(CalculateWaterDialog(Water("1.013", "20"), testing_support::Texts('E'), false).display->density, "998.206");
  const SaturatedWaterForm reaumur{SaturationGiven::Temperature, "80", 3, "", 0};
  EXPECT_EQ(CalculateSaturatedWaterDialog(reaumur, German(), false).display->computed, "1,01418");
  // US: psia (1.01418/0.068947581976), lb./cu.ft. with one decimal more (958.354/16.0184655), cP with 5.
  const SaturatedWaterDisplay us = *CalculateSaturatedWaterDialog(reaumur, German(), true).display;
  EXPECT_EQ(us.computed, "14,70943");
  EXPECT_EQ(us.liquid.density, "59,8281");
  EXPECT_EQ(us.liquid.viscosity, "0,28175");
}

TEST(PropertyDialogs, DecimalsBySize) {
  EXPECT_EQ(DecimalsBySize(100.5L, 6), 3);
  EXPECT_EQ(DecimalsBySize(100, 6), 4);
  EXPECT_EQ(DecimalsBySize(10, 6), 5);
  EXPECT_EQ(DecimalsBySize(1, 6), 6);
  EXPECT_EQ(DecimalsBySize(0.5L, 4), 4);
}

// A liquid take-over leaves the gas data; a gas one writes both temperatures; US units by position.
TEST(MediumTakeOver, WritesTheMainWindowsInputs) {
  mainform::MainForm form = mainform::MainForm::Defaults('D');
  form.viscosityKind = 1;
  form.viscosityUnit = 3;
  const WaterForm water = Water("1,013", "20");
  const WaterDisplay liquid = *CalculateWaterDialog(water, German(), false).display;
  WriteTakeOver(WaterTakeOver(water, liquid, German(), false), form);
  EXPECT_EQ(form.medium, "Wasser (1,013 bar, 20 °C)");
  EXPECT_FALSE(form.gas);
  EXPECT_EQ(form.density, "998,206");
  EXPECT_EQ(form.viscosity, "1001,61");
  EXPECT_EQ(form.viscosityKind, 0);
  EXPECT_EQ(form.viscosityUnit, 0);
  EXPECT_EQ(form.inletPressure, "1");
  EXPECT_EQ(form.inletTemperature, "300");

  const WaterForm steam{"15", 12, "400", 2};  // psig, degF
  const WaterDisplay gas = *CalculateWaterDialog(steam, German(), true).display;
  WriteTakeOver(WaterTakeOver(steam, gas, German(), true), form);
  EXPECT_EQ(form.medium, "Wasser (15 psig, 400 degF)");
  EXPECT_TRUE(form.gas);
  EXPECT_EQ(form.densityUnit, 8);
  EXPECT_EQ(form.viscosityUnit, 5);
  EXPECT_EQ(form.inletPressure, "15");
  EXPECT_EQ(form.inletPressureUnit, 12);
  EXPECT_EQ(form.inletTemperature, "400");
  EXPECT_EQ(form.outletTemperature, "400");
  EXPECT_EQ(form.inletTemperatureUnit, 2);
  EXPECT_EQ(form.outletTemperatureUnit, 2);
}

}  // namespace
}  // namespace velmora::fluids
