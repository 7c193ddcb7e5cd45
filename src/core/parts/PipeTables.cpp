#include "parts/PipeTables.h"

#include <algorithm>

namespace velmora::parts {
namespace {

using enum PipeLayout;
constexpr Material kSteel = Material::Steel;
constexpr Material kPlastic = Material::Plastic;
constexpr Material kNonFerrous = Material::NonFerrous;

// rohre.nfk: 16 steel, 19 plastic and 2 non-ferrous tables at fixed lines. Which standard fills
// which table is the data's business (data/parts/rohre.tsv); a table without lines is shown as
// not available.
constexpr PipeTable kDinTables[] = {
    {PipeSheet::Din, 1, kSteel, 503, 583, AdUndReihe, 7850},
    {PipeSheet::Din, 2, kSteel, 590, 670, AdUndReihe, 7850},
    {PipeSheet::Din, 3, kSteel, 677, 725, AdUndS, 7850},
    {PipeSheet::Din, 4, kSteel, 731, 771, AdUndS, 7850},
    {PipeSheet::Din, 5, kSteel, 442, 494, AdUndReihe, 7970},
    {PipeSheet::Din, 6, kSteel, 778, 791, NennDa, 7850},
    {PipeSheet::Din, 7, kSteel, 797, 810, NennDa, 7850},
    {PipeSheet::Din, 8, kSteel, 10, 39, Nenndruck, 7850},
    {PipeSheet::Din, 9, kSteel, 44, 58, NurS, 7850},
    {PipeSheet::Din, 10, kSteel, 63, 77, NurS, 7850},
    {PipeSheet::Din, 11, kSteel, 81, 101, NurS, 7850},
    {PipeSheet::Din, 12, kSteel, 106, 114, NurS, 7850},
    {PipeSheet::Din, 13, kSteel, 383, 396, NurS, 7850},
    {PipeSheet::Din, 14, kSteel, 815, 830, NurS, 7970},
    {PipeSheet::Din, 15, kSteel, 835, 850, NurS, 7970},
    {PipeSheet::Din, 16, kSteel, 855, 866, NurS, 7970},
    {PipeSheet::Din, 17, kPlastic, 948, 980, Nenndruck, 950},
    {PipeSheet::Din, 18, kPlastic, 986, 1017, Nenndruck, 950},
    {PipeSheet::Din, 19, kPlastic, 1023, 1055, Nenndruck, 950},
    {PipeSheet::Din, 20, kPlastic, 1061, 1093, Nenndruck, 950},
    {PipeSheet::Din, 21, kPlastic, 401, 435, Sdr, 950},
    {PipeSheet::Din, 22, kPlastic, 155, 168, Nenndruck, 950},
    {PipeSheet::Din, 23, kPlastic, 172, 186, NurS, 950},
    {PipeSheet::Din, 24, kPlastic, 190, 198, NurS, 950},
    {PipeSheet::Din, 25, kPlastic, 203, 212, Nenndruck, 950},
    {PipeSheet::Din, 26, kPlastic, 216, 247, Nenndruck, 910},
    {PipeSheet::Din, 27, kPlastic, 912, 942, Nenndruck, 1400},
    {PipeSheet::Din, 28, kPlastic, 252, 289, Nenndruck, 1400},
    {PipeSheet::Din, 29, kPlastic, 294, 310, Nenndruck, 910},
    {PipeSheet::Din, 30, kPlastic, 314, 319, NurS, 1400},
    {PipeSheet::Din, 31, kPlastic, 323, 329, NurS, 1400},
    {PipeSheet::Din, 32, kPlastic, 333, 341, NurS, 1400},
    {PipeSheet::Din, 33, kPlastic, 872, 882, Nenndruck, 1700},
    {PipeSheet::Din, 34, kPlastic, 888, 894, Nenndruck, 1700},
    {PipeSheet::Din, 35, kPlastic, 900, 905, Nenndruck, 1700},
    {PipeSheet::Din, 36, kNonFerrous, 345, 360, NurS, 8900},
    {PipeSheet::Din, 37, kNonFerrous, 364, 379, NurS, 8900},
};

// rohrea.nfk: the ASME pipe schedules, inches. 7970 kg/m³ for austenitic stainless steel.
constexpr PipeTable kAsmeTables[] = {
    {PipeSheet::Asme, 1, kSteel, 5, 55, Schedule, 7850},
    {PipeSheet::Asme, 2, kSteel, 60, 100, Schedule, 7970},
};

// rohreo.nfk: tables beside the two standard sheets.
constexpr PipeTable kOtherTables[] = {
    {PipeSheet::Other, 1, kPlastic, 5, 30, NurS, 950},
    {PipeSheet::Other, 2, kPlastic, 35, 60, Sdr, 950},
    {PipeSheet::Other, 3, kNonFerrous, 65, 145, NurS, 8900},
};

}  // namespace

std::string_view PipeFileName(PipeSheet sheet) {
  switch (sheet) {
    case PipeSheet::Din: return "rohre.nfk";
    case PipeSheet::Asme: return "rohrea.nfk";
    case PipeSheet::Other: return "rohreo.nfk";
  }
  return {};
}

std::span<const PipeTable> PipeTables(PipeSheet sheet) {
  switch (sheet) {
    case PipeSheet::Din: return kDinTables;
    case PipeSheet::Asme: return kAsmeTables;
    case PipeSheet::Other: return kOtherTables;
  }
  return {};
}

std::vector<const PipeTable*> PipeTablesOf(PipeSheet sheet, Material material) {
  std::vector<const PipeTable*> tables;
  for (const PipeTable& table : PipeTables(sheet)) {
    if (table.material == material) tables.push_back(&table);
  }
  return tables;
}

const PipeTable* FindPipeTable(PipeSheet sheet, int number) {
  const auto tables = PipeTables(sheet);
  const auto found =
      std::find_if(tables.begin(), tables.end(), [number](const PipeTable& t) { return t.number == number; });
  return found == tables.end() ? nullptr : &*found;
}

bool HasHeader(PipeLayout layout) {
  return layout == Nenndruck || layout == Sdr || layout == NurS || layout == Schedule;
}

bool HasTitledColumns(PipeLayout layout) { return layout == Nenndruck || layout == Sdr || layout == Schedule; }

bool HasWallColumns(PipeLayout layout) { return layout == AdUndReihe || layout == AdUndS; }

bool InInches(PipeLayout layout) { return layout == Schedule; }

int OuterField(PipeLayout layout) { return layout == AdUndReihe || layout == AdUndS || layout == NennDa ? 1 : 2; }

int WallField(PipeLayout layout, int column) {
  switch (layout) {
    case Nenndruck:
    case Sdr:
    case Schedule:
    case AdUndReihe: return column + 3;
    case AdUndS: return column + 2;
    case NurS: return 3;
    case NennDa: return 2;
  }
  return 0;
}

}  // namespace velmora::parts
