// The table files of this build read back through the catalogues: for every shipped table its
// first, a middle and its last row as the source tables print them, so that a table at the wrong
// lines or a field in the wrong place shows at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "parts/BendCatalogue.h"
#include "parts/PipeCatalogue.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"

namespace velmora::parts {
namespace {

const CatalogueFile& Shipped(std::string_view name) {
  static std::map<std::string, CatalogueFile, std::less<>> files;
  auto found = files.find(name);
  if (found == files.end()) {
    found = files.emplace(std::string(name), LoadCatalogueFile(VELMORA_TEST_PROGRAM_DIR, name, false)).first;
  }
  return found->second;
}

std::size_t IndexOf(const std::vector<std::string>& list, const std::string& entry) {
  const auto found = std::find(list.begin(), list.end(), entry);
  EXPECT_NE(found, list.end()) << entry;
  return static_cast<std::size_t>(found - list.begin());
}

TEST(ShippedTables, FilesAreWholeAndUndamaged) {
  for (const char* name :
       {"rohre.nfk", "rohrea.nfk", "rohreo.nfk", "rechteck.nfk", "boegen.nfk", "reduz.nfk", "testue.nfk"}) {
    const CatalogueFile& file = Shipped(name);
    EXPECT_FALSE(file.missing) << name;
    EXPECT_TRUE(file.damagedLines.empty()) << name;
  }
}

struct PipeRow {
  PipeSheet sheet;
  int table;
  const char* size;
  std::size_t column;
  const char* outer;
  const char* wall;
  const char* innerMm;  // outer − 2·wall by hand
};

// Rows of data/parts/pipes/*.tsv (the edition's comma for the point).
constexpr PipeRow kPipeRows[] = {
    {PipeSheet::Din, 3, "17,2", 2, "17,2", "2,9", "11,4"},  // EN 10220 walls of the fitting series
    {PipeSheet::Din, 3, "76,1", 3, "76,1", "7,1", "61,9"},
    {PipeSheet::Din, 3, "323,9", 4, "323,9", "16", "291,9"},
    {PipeSheet::Din, 4, "21,3", 0, "21,3", "2,6", "16,1"},  // EN 10210-2 CHS
    {PipeSheet::Din, 4, "139,7", 5, "139,7", "10", "119,7"},
    {PipeSheet::Din, 4, "508", 3, "508", "16", "476,0"},
    {PipeSheet::Din, 6, "21,3", 0, "21,3", "2", "17,3"},  // EN 10253-1 standard wall, first part
    {PipeSheet::Din, 6, "48,3", 0, "48,3", "2,6", "43,1"},
    {PipeSheet::Din, 6, "88,9", 0, "88,9", "3,2", "82,5"},
    {PipeSheet::Din, 7, "108", 0, "108", "3,6", "100,8"},  // second part
    {PipeSheet::Din, 7, "193,7", 0, "193,7", "5,6", "182,5"},
    {PipeSheet::Din, 7, "406,4", 0, "406,4", "8,8", "388,8"},
    {PipeSheet::Din, 9, "DN 8 (1/4)", 0, "13,5", "2,3", "8,9"},  // EN 10255 M
    {PipeSheet::Din, 9, "DN 40 (1 1/2)", 0, "48,3", "3,2", "41,9"},
    {PipeSheet::Din, 9, "DN 150 (6)", 0, "165,1", "5", "155,1"},
    {PipeSheet::Din, 10, "DN 8 (1/4)", 0, "13,5", "2,9", "7,7"},  // EN 10255 H
    {PipeSheet::Din, 10, "DN 25 (1)", 0, "33,7", "4", "25,7"},
    {PipeSheet::Din, 10, "DN 50 (2)", 0, "60,3", "4,5", "51,3"},
    {PipeSheet::Din, 11, "DN 6", 0, "10,2", "2", "6,2"},  // DIN 2440
    {PipeSheet::Din, 11, "DN 32", 0, "42,4", "3,25", "35,9"},
    {PipeSheet::Din, 11, "DN 150", 0, "165,1", "4,85", "155,4"},
    {PipeSheet::Din, 14, "10", 0, "12", "1", "10,0"},  // DIN 11850 series 1, 2, 3
    {PipeSheet::Din, 14, "25", 0, "28", "1", "26,0"},
    {PipeSheet::Din, 14, "50", 0, "52", "1", "50,0"},
    {PipeSheet::Din, 15, "10", 0, "13", "1,5", "10,0"},
    {PipeSheet::Din, 15, "65", 0, "70", "2", "66,0"},
    {PipeSheet::Din, 15, "250", 0, "254", "2", "250,0"},
    {PipeSheet::Din, 16, "10", 0, "14", "2", "10,0"},
    {PipeSheet::Din, 16, "25", 0, "30", "2", "26,0"},
    {PipeSheet::Din, 16, "50", 0, "54", "2", "50,0"},
    {PipeSheet::Din, 17, "20", 4, "20", "2", "16,0"},  // PE 100 EN 12201-2 by PN
    {PipeSheet::Din, 17, "160", 7, "160", "26,6", "106,8"},
    {PipeSheet::Din, 17, "560", 2, "560", "33,2", "493,6"},
    {PipeSheet::Din, 21, "20", 6, "20", "3", "14,0"},  // PE 100 EN 12201-2 by SDR
    {PipeSheet::Din, 21, "160", 0, "160", "6,2", "147,6"},
    {PipeSheet::Din, 21, "560", 4, "560", "50,8", "458,4"},
    {PipeSheet::Din, 27, "20", 2, "20", "1,5", "17,0"},  // PVC-U ISO 4422-2
    {PipeSheet::Din, 27, "140", 1, "140", "5,4", "129,2"},
    {PipeSheet::Din, 27, "400", 0, "400", "9,8", "380,4"},
    {PipeSheet::Din, 28, "20", 5, "20", "2,3", "15,4"},  // PVC-U DIN 8062
    {PipeSheet::Din, 28, "225", 0, "225", "1,8", "221,4"},
    {PipeSheet::Din, 28, "1000", 2, "1000", "29,2", "941,6"},
    {PipeSheet::Din, 29, "20", 0, "20", "1,9", "16,2"},  // PP-R DIN 8077
    {PipeSheet::Din, 29, "50", 1, "50", "6,9", "36,2"},
    {PipeSheet::Din, 29, "110", 2, "110", "18,3", "73,4"},
    {PipeSheet::Din, 36, "12", 0, "12", "0,6", "10,8"},  // copper EN 1057 TX
    {PipeSheet::Din, 36, "54", 0, "54", "1,2", "51,6"},
    {PipeSheet::Din, 36, "219", 0, "219", "3", "213,0"},
    {PipeSheet::Asme, 1, "1/8 (6)", 0, "0,405", "0,049", "7,8"},  // B36.10M: 0,307 in.
    {PipeSheet::Asme, 1, "14 (350)", 11, "14,000", "1,406", "284,2"},
    {PipeSheet::Asme, 1, "48 (1200)", 6, "48,000", "0,500", "1193,8"},
    {PipeSheet::Asme, 2, "1/8 (6)", 1, "0,405", "0,049", "7,8"},  // B36.19M
    {PipeSheet::Asme, 2, "4 (100)", 2, "4,500", "0,237", "102,3"},
    {PipeSheet::Asme, 2, "30 (750)", 1, "30,000", "0,312", "746,2"},
    {PipeSheet::Other, 1, "25", 0, "25", "2,3", "20,4"},  // PE-X DIN 16893
    {PipeSheet::Other, 1, "110", 0, "110", "10", "90,0"},
    {PipeSheet::Other, 1, "250", 0, "250", "22,7", "204,6"},
    {PipeSheet::Other, 2, "20", 8, "20", "1,8", "16,4"},  // PE-HD DIN 8074
    {PipeSheet::Other, 2, "90", 4, "90", "4,1", "81,8"},
    {PipeSheet::Other, 2, "200", 7, "200", "11,9", "176,2"},
    {PipeSheet::Other, 3, "6x0,6", 0, "6", "0,6", "4,8"},  // copper EN 1057
    {PipeSheet::Other, 3, "28x1", 0, "28", "1", "26,0"},
    {PipeSheet::Other, 3, "267x3", 0, "267", "3", "261,0"},
};

TEST(ShippedTables, PipeRows) {
  for (const PipeRow& row : kPipeRows) {
    SCOPED_TRACE(std::string(PipeFileName(row.sheet)) + " table " + std::to_string(row.table) + " " + row.size);
    const PipeStandard standard(*FindPipeTable(row.sheet, row.table), Shipped(PipeFileName(row.sheet)));
    const std::size_t size = IndexOf(standard.Sizes('D'), row.size);
    const PipeDisplay shown = ShowPipe(standard.Values(size, row.column), 'D', "nicht genormt");
    EXPECT_EQ(shown.outer, row.outer);
    EXPECT_EQ(shown.wall, row.wall);
    EXPECT_EQ(shown.innerMm, row.innerMm);
  }
}

TEST(ShippedTables, PipeTablesWithoutSourceAreNotAvailable) {
  const std::vector<int> filled = {3, 4, 6, 7, 9, 10, 11, 14, 15, 16, 17, 21, 27, 28, 29, 36};
  for (const PipeTable& table : PipeTables(PipeSheet::Din)) {
    const bool expected = std::find(filled.begin(), filled.end(), table.number) != filled.end();
    EXPECT_EQ(PipeStandard(table, Shipped("rohre.nfk")).Available(), expected) << table.number;
  }
}

TEST(ShippedTables, TitledColumnsComeFromTheHeader) {
  const PipeStandard pe(*FindPipeTable(PipeSheet::Din, 17), Shipped("rohre.nfk"));
  EXPECT_EQ(pe.Columns(0, 'D'),
            (std::vector<std::string>{"PN 6", "PN 8", "PN 10", "PN 12,5", "PN 16", "PN 20", "PN 25", "PN 32"}));
  const PipeStandard asme(*FindPipeTable(PipeSheet::Asme, 2), Shipped("rohrea.nfk"));
  EXPECT_EQ(asme.Columns(0, 'D'), (std::vector<std::string>{"5S", "10S", "40S", "80S"}));
}

struct RectRow {
  RectSheet sheet;
  int standard;
  RectShape shape;
  const char* size;
  std::size_t wall;
  const char* widthMm;
  const char* heightMm;
};

constexpr RectRow kRectRows[] = {
    {RectSheet::Din, 1, RectShape::Square, "15 x 15", 0, "13,0", "13,0"},  // EN 10305-5
    {RectSheet::Din, 1, RectShape::Square, "100 x 100", 1, "92,0", "92,0"},
    {RectSheet::Din, 1, RectShape::Rectangular, "15 x 10", 0, "12,0", "7,0"},
    {RectSheet::Din, 1, RectShape::Rectangular, "140 x 40", 0, "135,0", "35,0"},
    {RectSheet::Din, 2, RectShape::Square, "20 x 20", 0, "16,0", "16,0"},  // EN 10219-2
    {RectSheet::Din, 2, RectShape::Square, "400 x 400", 2, "375,0", "375,0"},
    {RectSheet::Din, 2, RectShape::Rectangular, "40 x 20", 1, "35,0", "15,0"},
    {RectSheet::Din, 2, RectShape::Rectangular, "500 x 300", 5, "475,0", "275,0"},
    {RectSheet::Din, 3, RectShape::Square, "40 x 40", 2, "30,0", "30,0"},  // EN 10210-2
    {RectSheet::Din, 3, RectShape::Square, "400 x 400", 3, "368,0", "368,0"},
    {RectSheet::Din, 3, RectShape::Rectangular, "50 x 30", 0, "43,6", "23,6"},
    {RectSheet::Din, 3, RectShape::Rectangular, "500 x 300", 3, "468,0", "268,0"},
    {RectSheet::Asme, 1, RectShape::Square, "1,5 x 1,5", 0, "31,8", "31,8"},  // HSS, inches
    {RectSheet::Asme, 1, RectShape::Square, "22 x 22", 4, "508,0", "508,0"},
    {RectSheet::Asme, 1, RectShape::Rectangular, "2 x 1", 1, "41,3", "15,9"},
    {RectSheet::Asme, 1, RectShape::Rectangular, "34 x 10", 3, "812,8", "203,2"},
};

TEST(ShippedTables, RectangularRows) {
  const CatalogueFile& file = Shipped(kRectFileName);
  for (const RectRow& row : kRectRows) {
    SCOPED_TRACE(std::to_string(row.standard) + " " + row.size);
    const RectStandard standard(*FindRectTable(row.sheet, row.standard, row.shape), file);
    const RectDisplay shown = ShowRect(standard.Values(IndexOf(standard.Sizes('D'), row.size), row.wall), 'D');
    EXPECT_EQ(shown.widthMm, row.widthMm);
    EXPECT_EQ(shown.heightMm, row.heightMm);
  }
  for (const RectShape shape : {RectShape::Square, RectShape::Rectangular}) {
    EXPECT_FALSE(RectStandard(*FindRectTable(RectSheet::Din, 4, shape), file).Available());  // no duct table
  }
}

struct BendRow {
  FittingSheet sheet;
  int standard;
  const char* size;
  std::size_t wall;
  std::size_t type;
  const char* innerMm;
  const char* radiusMm;
};

constexpr BendRow kBendRows[] = {
    {FittingSheet::Din, 1, "15", 2, 1, "17,3", "28"},  // DIN 2605-1
    {FittingSheet::Din, 1, "300", 4, 0, "291,9", "305"},
    {FittingSheet::Din, 1, "1200", 0, 1, "-", "1829"},          // EN 10253-2 radii only
    {FittingSheet::Asme, 1, "1/2 (15)", 0, 0, "15,8", "38,1"},  // B16.9 long radius
    {FittingSheet::Asme, 1, "24 (600)", 1, 0, "584,2", "914,4"},
    {FittingSheet::Asme, 2, "1 (25)", 0, 0, "26,6", "25,4"},  // B16.28 short radius
    {FittingSheet::Asme, 2, "24 (600)", 1, 0, "584,2", "609,6"},
};

TEST(ShippedTables, BendRows) {
  for (const BendRow& row : kBendRows) {
    SCOPED_TRACE(row.size);
    const BendStandard standard(*FindBendTable(row.sheet, row.standard), Shipped(kBendFileName));
    const BendDisplay shown =
        ShowBend(standard.Values(IndexOf(standard.Sizes(), row.size), row.wall, row.type, BendShape::B), 'D');
    EXPECT_EQ(shown.pipe.innerMm, row.innerMm);
    EXPECT_EQ(shown.radiusMm, row.radiusMm);
  }
}

struct FittingRow {
  FittingSheet sheet;
  const char* first;
  std::size_t firstWall;
  const char* second;
  std::size_t secondWall;
  const char* firstInnerMm;
  const char* secondInnerMm;
  const char* extra;  // reducers: cone angle; tees: mass in kg, each by hand from the row
};

constexpr FittingRow kReducerRows[] = {
    {FittingSheet::Din, "20", 2, "15", 2, "22,3", "17,3", "4,6"},                 // DIN 2616-1, L 38
    {FittingSheet::Din, "300", 4, "150", 4, "291,9", "146,3", "26,6"},            // L 203
    {FittingSheet::Asme, "3/4 (20)", 0, "1/2 (15)", 0, "20,9", "15,8", "3,9"},    // B16.9, H 1,50
    {FittingSheet::Asme, "18 (450)", 1, "14 (350)", 1, "431,8", "330,2", "7,6"},  // H 15,00
};

TEST(ShippedTables, ReducerRows) {
  for (const FittingRow& row : kReducerRows) {
    SCOPED_TRACE(std::string(row.first) + " x " + row.second);
    const ReducerStandard standard(FindReducerTable(row.sheet), Shipped(kReducerFileName));
    const std::size_t large = IndexOf(standard.LargeEnds(), row.first);
    const std::size_t small = IndexOf(standard.SmallEnds(large), row.second);
    const ReducerDisplay shown = ShowReducer(standard.Values(large, row.firstWall, small, row.secondWall), 'D', "");
    EXPECT_EQ(shown.large.innerMm, row.firstInnerMm);
    EXPECT_EQ(shown.small.innerMm, row.secondInnerMm);
    EXPECT_EQ(shown.angle, row.extra);
  }
}

constexpr FittingRow kTeeRows[] = {
    {FittingSheet::Din, "15", 2, "15", 2, "17,3", "17,3", "0,06"},                // DIN 2615-1, C = M = 25
    {FittingSheet::Din, "300", 4, "250", 4, "291,9", "244,6", "64,4"},            // C 254, M 241
    {FittingSheet::Asme, "1/2 (15)", 0, "1/2 (15)", 0, "15,8", "15,8", "0,08"},   // B16.9, C = M = 1,00
    {FittingSheet::Asme, "24 (600)", 1, "24 (600)", 1, "584,2", "584,2", "161"},  // C = M = 17,00
};

TEST(ShippedTables, TeeRows) {
  for (const FittingRow& row : kTeeRows) {
    SCOPED_TRACE(std::string(row.first) + " x " + row.second);
    const TeeStandard standard(FindTeeTable(row.sheet), Shipped(kTeeFileName));
    const std::size_t run = IndexOf(standard.Runs(), row.first);
    const std::size_t branch = IndexOf(standard.Branches(run), row.second);
    const TeeDisplay shown = ShowTee(standard.Values(run, row.firstWall, branch, row.secondWall), 'D', "m");
    EXPECT_EQ(shown.run.innerMm, row.firstInnerMm);
    EXPECT_EQ(shown.branch.innerMm, row.secondInnerMm);
    EXPECT_EQ(shown.massKg, std::string("m ") + row.extra);
  }
}

}  // namespace
}  // namespace velmora::parts
