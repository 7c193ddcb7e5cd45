#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "TestTexts.h"
#include "fluids/AqueousDialog.h"
#include "fluids/BrineDialog.h"
#include "fluids/EstimationDialog.h"
#include "fluids/OilDialog.h"
#include "fluids/UserDatabaseDialog.h"

namespace velmora::fluids {
namespace {

// Every text the brine, oil, solution, estimation and user-database windows read exists in all
// four languages.
TEST(MediaTexts, EveryKeyInEveryLanguage) {
  struct Block {
    std::string_view name;
    std::vector<std::string_view> keys;
  };
  const Block blocks[] = {
      {kBrineBlock,
       {"Caption", "SoleLabel", "Ethylenglykol", "Propylenglykol", "Ethylalkohol", "Methylalkohol", "Glycerin",
        "Ammoniak", "Kaliumcarbonat", "Calciumchlorid", "Magnesiumchlorid", "Natriumchlorid", "Wasser", "BereichLabel",
        "BereichTemperaturLabel", "BereichGefrierpunkt", "BereichKonzentrationLabel", "TemperaturLabel",
        "KonzentrationLabel", "ProzentLabel", "BerechnenBtn", "Schmelzpunkt", "UebernehmenBtn", "msgZuWarm",
        "msgKonzentration", "msgGefroren", "Dichte", "Viskositaet", "SchliessenBtn", "msgOutOfRange"}},
      {kOilBlock,
       {"Caption", "OelLabel", "TypLabel", "Typ1", "Typ2", "Typ3", "TemperaturLabel", "BereichLabel", "BerechnenBtn",
        "UebernehmenBtn", "KeineDaten", "KeineAngabe", "msgUnterBereich", "msgUeberBereich", "Dichte", "Viskositaet",
        "SchliessenBtn", "msgOutOfRange", "msgFileMissing", "msgSkipped"}},
      {kAqueousBlock,
       {"Caption", "StoffLabel", "Einzelstoff", "TemperaturLabel", "BereichLabel", "KonzentrationLabel",
        "MassenProzent", "BerechnenBtn", "UebernehmenBtn", "Mischung", "InMischungBtn", "KonzLabel", "EntfernenBtn",
        "MischTemperaturLabel", "MischungBerechnenBtn", "MischungUebernehmenBtn", "msgZuKalt", "msgZuWarm",
        "msgKonzentration", "msgZuWenigStoffe", "msgSumme", "Dichte", "Viskositaet", "SchliessenBtn", "msgOutOfRange",
        "msgFileMissing", "msgSkipped"}},
      {kEstimateBlock,
       {"Caption", "SuchLabel", "CasLabel", "SchmelzpunktLabel", "SiedepunktLabel", "KritTempLabel", "Einzelstoff",
        "DruckLabel", "BereichDruck", "TemperaturLabel", "BerechnenBtn", "ZustandLabel", "SiededruckLabel",
        "UebernehmenBtn", "Mischung", "InMischungBtn", "MassenAnteilRadio", "MolAnteilRadio", "AnteilLabel",
        "EntfernenBtn", "MischDruckLabel", "MischTemperaturLabel", "MischungBerechnenBtn", "MischungUebernehmenBtn",
        "Dichte", "Viskositaet", "Fluessig", "Gas", "Ueberkritisch", "Ca", "KeineDaten", "KeinSiedepunkt",
        "KonstMolmasse", "KonstSchmelzpunkt", "KonstSiedepunkt", "KonstTkrit", "KonstPkrit", "KonstVkrit",
        "KonstDichteRef", "KonstTempRef", "KonstRackett", "KonstAzentrisch", "msgDruckZuKlein", "msgDruckZuGross",
        "msgTemperaturNegativ", "msgUnterSchmelzpunkt", "msgFehlendeKonstanten", "msgZuWenigStoffe", "msgSumme",
        "msgZustand", "SchliessenBtn", "msgOutOfRange", "msgFileMissing", "msgSkipped"}},
      {kUserEditBlock,
       {"Caption", "Datensatz", "Von", "NameLabel", "RadioFluessig", "RadioGas", "GasBox", "Temperatur", "Druck",
        "Dichte", "Viskositaet", "BemerkungLabel", "ZurueckBtn", "VorBtn", "Zurueck5Btn", "Vor5Btn", "NeuBtn",
        "LoeschenBtn", "SortierenBtn", "SpeichernBtn", "AbbrechenBtn", "msgFileMissing", "msgUnlesbar",
        "msgAbgeschnitten", "msgKeineZahl", "msgNichtGeschrieben", "msgUeberschreiben", "msgSchreibgeschuetzt",
        "msgNichtGespeichert"}},
      {kUserChoiceBlock,
       {"Caption", "MediumLabel", "ZustandTitel", "RadioFluessig", "RadioGas", "GasLabel", "Temperatur", "Druck",
        "Dichte", "Viskositaet", "BemerkungLabel", "UebernehmenBtn", "AbbrechenBtn"}},
  };
  for (const text::Edition edition : {'D', 'E', 'F', 'H'}) {
    const text::TextStore& texts = testing_support::Texts(edition);
    for (const Block& block : blocks) {
      for (const std::string_view key : block.keys) {
        EXPECT_FALSE(texts.FormText(block.name, key).empty()) << edition << " " << block.name << " " << key;
      }
    }
  }
}

}  // namespace
}  // namespace velmora::fluids
