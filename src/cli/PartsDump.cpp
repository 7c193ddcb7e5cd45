#include <functional>

#include "PartsTools.h"
#include "TableOutput.h"
#include "parts/BendCatalogue.h"
#include "parts/PartNumbers.h"
#include "parts/PipeCatalogue.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"

// Every row of every table of a catalogue as CSV, with the values its window shows.
namespace velmora::cli::parts_cli {
namespace {

// Every pair of ends with every pair of walls.
template <typename Standard, typename Show>
void DumpPairs(const PartsContext& c, const Standard& standard, parts::FittingSheet sheet,
               const std::vector<std::string>& firstEnds,
               const std::function<std::vector<std::string>(std::size_t)>& seconds, const Show& show) {
  const auto walls = static_cast<std::size_t>(parts::WallCount(sheet));
  for (std::size_t first = 0; first < firstEnds.size(); ++first) {
    const std::vector<std::string> secondEnds = seconds(first);
    for (std::size_t second = 0; second < secondEnds.size(); ++second) {
      for (std::size_t firstWall = 0; firstWall < walls; ++firstWall) {
        for (std::size_t secondWall = 0; secondWall < walls; ++secondWall) {
          std::vector<std::string> fields = {std::string(SheetWord(sheet)), firstEnds[first],
                                             WallWord(sheet, firstWall), secondEnds[second],
                                             WallWord(sheet, secondWall)};
          for (std::string& value : show(standard, first, firstWall, second, secondWall)) {
            fields.push_back(Dumped(value));
          }
          AppendCsvLine(c.out, fields);
        }
      }
    }
  }
}

}  // namespace

int DumpPipes(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "standard", "size", "column", "outer_diameter_mm", "wall_mm", "inner_diameter_mm",
                        "inner_diameter_in", "mass_kg_m"});
  for (const parts::PipeSheet sheet : parts::kPipeSheets) {
    const auto file = Load(c, parts::PipeFileName(sheet), kPipeBlock);
    if (!file) return kPartsRefused;
    for (const parts::PipeTable& table : parts::PipeTables(sheet)) {
      const parts::PipeStandard standard(table, *file);
      const std::vector<std::string> sizes = standard.Sizes(kPoint);
      for (std::size_t size = 0; size < sizes.size(); ++size) {
        std::vector<std::string> columns = standard.Columns(size, kPoint);
        const bool titled = !columns.empty();
        if (!titled) columns.emplace_back();
        for (std::size_t column = 0; column < columns.size(); ++column) {
          const parts::PipeValues values = standard.Values(size, column);
          const parts::PipeDisplay shown = parts::ShowPipe(values, kPoint, {});
          const bool given = !values.notStandard;
          AppendCsvLine(
              c.out, {std::string(SheetWord(sheet)), std::to_string(table.number), sizes[size], columns[column],
                      DumpLength(values.outerField, values.inches),
                      given ? DumpLength(values.wallField, values.inches) : std::string(),
                      given ? Dumped(shown.innerMm) : std::string(), given ? Dumped(shown.innerInches) : std::string(),
                      given ? Dumped(shown.massKg) : std::string()});
        }
      }
    }
  }
  return kPartsPrinted;
}

int DumpRects(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "standard", "shape", "size", "wall", "inner_width_mm", "inner_height_mm",
                        "inner_width_in", "inner_height_in", "mass_kg_m"});
  const auto file = Load(c, parts::kRectFileName, kRectBlock);
  if (!file) return kPartsRefused;
  for (const parts::RectTable& table : parts::RectTables()) {
    const parts::RectStandard standard(table, *file);
    const std::vector<std::string> sizes = standard.Sizes(kPoint);
    for (std::size_t size = 0; size < sizes.size(); ++size) {
      const std::vector<std::string> walls = standard.Walls(size, kPoint);
      for (std::size_t wall = 0; wall < walls.size(); ++wall) {
        const parts::RectDisplay shown = parts::ShowRect(standard.Values(size, wall), kPoint);
        AppendCsvLine(c.out, {table.sheet == parts::RectSheet::Din ? "din" : "asme", std::to_string(table.standard),
                              std::string(ShapeWord(table.shape)), sizes[size], walls[wall], Dumped(shown.widthMm),
                              Dumped(shown.heightMm), Dumped(shown.widthInches), Dumped(shown.heightInches),
                              Dumped(shown.massKg)});
      }
    }
  }
  return kPartsPrinted;
}

int DumpBends(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "standard", "size", "wall", "type", "outer_diameter", "wall_thickness",
                        "inner_diameter_mm", "inner_diameter_in", "radius_mm", "radius_in", "mass_kg_90"});
  const auto file = Load(c, parts::kBendFileName, kBendBlock);
  if (!file) return kPartsRefused;
  for (const parts::BendTable& table : parts::BendTables()) {
    const parts::BendStandard standard(table, *file);
    const bool din = table.sheet == parts::FittingSheet::Din;
    const std::vector<std::string> sizes = standard.Sizes();
    for (std::size_t size = 0; size < sizes.size(); ++size) {
      for (std::size_t wall = 0; wall < static_cast<std::size_t>(parts::WallCount(table.sheet)); ++wall) {
        for (std::size_t type = 0; type < (din ? std::size(kBendTypeNumbers) : 1u); ++type) {
          const parts::BendDisplay shown =
              parts::ShowBend(standard.Values(size, wall, type, parts::BendShape::B), kPoint);
          AppendCsvLine(c.out, {std::string(SheetWord(table.sheet)), std::to_string(table.standard), sizes[size],
                                din ? std::to_string(wall + 1) : (wall == 0 ? "STD" : "XS"),
                                din ? kBendTypeNumbers[type] : "", Dumped(shown.pipe.outer), Dumped(shown.pipe.wall),
                                Dumped(shown.pipe.innerMm), Dumped(shown.pipe.innerInches), Dumped(shown.radiusMm),
                                Dumped(shown.radiusInches), Dumped(shown.massKg)});
        }
      }
    }
  }
  return kPartsPrinted;
}

int DumpReducers(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "large", "large_wall", "small", "small_wall", "large_inner_diameter_mm",
                        "small_inner_diameter_mm", "cone_angle_deg", "mass_kg"});
  const auto file = Load(c, kReducers.fileName, kReducers.block);
  if (!file) return kPartsRefused;
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    const parts::ReducerStandard standard(parts::FindReducerTable(sheet), *file);
    DumpPairs(
        c, standard, sheet, standard.LargeEnds(), [&](std::size_t first) { return standard.SmallEnds(first); },
        [](const parts::ReducerStandard& s, std::size_t a, std::size_t aw, std::size_t b, std::size_t bw) {
          const parts::ReducerValues values = s.Values(a, aw, b, bw);
          const parts::ReducerDisplay shown = parts::ShowReducer(values, kPoint, {});
          return std::vector<std::string>{shown.large.innerMm, shown.small.innerMm, shown.angle,
                                          parts::ShowMass(values.mass, false, kPoint).kg};
        });
  }
  return kPartsPrinted;
}

int DumpTees(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "run", "run_wall", "branch", "branch_wall", "run_inner_diameter_mm",
                        "branch_inner_diameter_mm", "mass_kg"});
  const auto file = Load(c, kTees.fileName, kTees.block);
  if (!file) return kPartsRefused;
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    const parts::TeeStandard standard(parts::FindTeeTable(sheet), *file);
    DumpPairs(
        c, standard, sheet, standard.Runs(), [&](std::size_t first) { return standard.Branches(first); },
        [](const parts::TeeStandard& s, std::size_t a, std::size_t aw, std::size_t b, std::size_t bw) {
          const parts::TeeValues values = s.Values(a, aw, b, bw);
          const parts::TeeDisplay shown = parts::ShowTee(values, kPoint, {});
          return std::vector<std::string>{shown.run.innerMm, shown.branch.innerMm,
                                          parts::ShowMass(values.mass, false, kPoint).kg};
        });
  }
  return kPartsPrinted;
}

}  // namespace velmora::cli::parts_cli
