#include "coefficients/RoughnessTable.h"

#include <array>

#include "coefficients/CoefficientTexts.h"

namespace velmora::coefficients {
namespace {

using Values = std::array<std::string_view, kRoughnessEntries>;
using Order = std::array<int, kRoughnessEntries>;

// The materials in the order of editions D and H, by the key of their description. The published
// figure behind each one is listed in data/roughness/roughness_sources.tsv.
constexpr Values kMaterials = {
    "DrawnSteel",         "SeamlessSteelNew",   "GalvanisedBrightNew",
    "CementPipeSmoothed", "CementPipeRough",    "ConcreteEroded",
    "ConcreteUsedSmooth", "ConcreteNewSmooth",  "ConcreteCementFinish",
    "ConcreteSprayed",    "CopperDrawn",        "SheetSteelDuct",
    "PlasticPipe",        "CastIronCleaned",    "CastIronBitumen",
    "CastIronDeposits",   "CastIronSevere",     "CastIronCorroded",
    "SteelWaterUsed",     "WeldedRusted",       "SteelHeating",
    "BrassDrawn",         "WeldedNew",          "Glass",
    "SteelCleaned",       "SteelEnamel",        "Plywood",
    "WeldedCorrosion",    "SteelRusted",        "RivetedOverlapping",
    "SteelHotWater",      "WeldedGood",         "SteelBitumen",
    "SteelGasMain",       "GalvanisedOrdinary", "SteelDescaled",
    "WeldedBitumenUsed",  "WeldedBitumenNew",   "LeadPipe",
    "ReinforcedConcrete", "RivetedTwoRows",     "RivetedRough",
};

// The value tables of the editions, each value exactly as written.
constexpr Values kValuesDH = {"0,0015", "0,03",   "0,1",   "0,8",    "2,0",  "3,0",    "0,3",  "0,15",   "0,15",
                              "0,8",    "0,0015", "0,03",  "0,0016", "0,6",  "0,13",   "1,5",  "3,0",    "1,5",
                              "1,2",    "1,0",    "0,1",   "0,0015", "0,03", "0,0015", "0,03", "0,0014", "0,03",
                              "0,15",   "0,40",   "4,0",   "0,20",   "0,06", "0,04",   "0,06", "0,10",   "0,16",
                              "0,1",    "0,05",   "0,008", "0,25",   "0,7",  "9,0"};
// Entry 26 is 0.03 where the printed English table reads 0.3: the 42 values of the other editions
// hold 0.3 once and 0.03 five times, and entry 26 is the material of their entry 12.
constexpr Values kValuesE = {"0.0015", "0.03", "0.1",    "0.0014", "0.03",   "1.2",   "3.0",    "0.13", "0.6",
                             "1.5",    "1.5",  "9.0",    "0.7",    "2.0",    "3.0",   "0.8",    "0.3",  "0.15",
                             "0.8",    "0.15", "0.0015", "0.03",   "0.0015", "0.03",  "0.0015", "0.03", "0.0016",
                             "0.20",   "0.15", "4.0",    "0.40",   "0.05",   "0.008", "0.1",    "0.16", "0.10",
                             "0.04",   "0.06", "0.06",   "0.25",   "0.1",    "1.0"};
constexpr Values kValuesF = {"0,20",   "0,15",  "0,40", "4,0",    "0,16",   "0,06", "0,06",   "0,10",   "0,04",
                             "0,05",   "0,008", "0,1",  "0,0015", "0,03",   "0,1",  "0,3",    "0,8",    "2,0",
                             "3,0",    "0,15",  "0,8",  "0,15",   "1,0",    "0,1",  "0,0016", "0,0015", "0,03",
                             "3,0",    "1,5",   "0,6",  "0,13",   "1,2",    "1,5",  "0,0014", "0,03",   "0,25",
                             "0,0015", "0,03",  "9,0",  "0,7",    "0,0015", "0,03"};

// Entry i of each order: the material at this place (1-based) of the D and H order.
constexpr Order kOrderDH = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                            22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42};
constexpr Order kOrderE = {1,  2,  3,  26, 27, 19, 17, 15, 14, 16, 18, 42, 41, 5,  6,  4,  7,  8,  10, 9,  22,
                           23, 24, 25, 11, 12, 13, 31, 28, 30, 29, 38, 39, 37, 36, 35, 33, 32, 34, 40, 21, 20};
constexpr Order kOrderF = {31, 28, 29, 30, 36, 32, 34, 35, 33, 38, 39, 37, 1,  2,  3,  7,  4,  5,  6,  8,  10,
                           9,  20, 21, 13, 11, 12, 17, 16, 14, 15, 19, 18, 26, 27, 40, 22, 23, 42, 41, 24, 25};

struct EditionTable {
  std::array<RoughnessEntry, kRoughnessEntries> entries;
};

constexpr EditionTable Build(const Values& values, const Order& order) {
  EditionTable table{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    table.entries[i] = {values[i], kMaterials[static_cast<std::size_t>(order[i] - 1)]};
  }
  return table;
}

constexpr EditionTable kTableDH = Build(kValuesDH, kOrderDH);
constexpr EditionTable kTableE = Build(kValuesE, kOrderE);
constexpr EditionTable kTableF = Build(kValuesF, kOrderF);

}  // namespace

const RoughnessEntry* FindRoughnessEntry(text::Edition edition, int entry) {
  if (entry < 1 || entry > kRoughnessEntries) return nullptr;
  const auto index = static_cast<std::size_t>(entry - 1);
  switch (edition) {
    case 'D':
    case 'H': return &kTableDH.entries[index];
    case 'E': return &kTableE.entries[index];
    case 'F': return &kTableF.entries[index];
    default: return nullptr;
  }
}

std::string RoughnessDescription(const text::TextStore& texts, int entry) {
  const RoughnessEntry* found = FindRoughnessEntry(texts.edition(), entry);
  return found == nullptr ? std::string() : texts.FormText(kRoughnessBlock, found->key);
}

}  // namespace velmora::coefficients
