// A standard-part table file as it may arrive damaged or hostile: its lines unscrambled (a line that
// cannot be is read as empty), then every catalogue reads every table of it and shows every size,
// wall and second end. Anything may be not available; nothing may crash or show a non-finite figure.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "parts/BendCatalogue.h"
#include "parts/CatalogueFile.h"
#include "parts/PipeCatalogue.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"

namespace {

using namespace velmora::parts;

// Enough of every list to reach each kind of field; a hostile file may list thousands.
constexpr std::size_t kMost = 12;

void Finite(const std::optional<long double>& value) {
  if (value && !std::isfinite(*value)) std::abort();
}

void Pipes(const CatalogueFile& file) {
  for (const PipeSheet sheet : kPipeSheets) {
    for (const PipeTable& table : PipeTables(sheet)) {
      const PipeStandard standard(table, file);
      for (std::size_t size = 0; size < std::min(kMost, standard.Sizes('D').size()); ++size) {
        const std::size_t columns = std::max<std::size_t>(1, standard.Columns(size, 'E').size());
        for (std::size_t column = 0; column < std::min(kMost, columns); ++column) {
          const PipeValues values = standard.Values(size, column);
          Finite(values.inner);
          Finite(values.massPerMetre);
          (void)ShowPipe(values, 'D', "x");
          (void)PipeTakeOverValue(values, true, 'E');
        }
      }
    }
  }
}

void Rectangles(const CatalogueFile& file) {
  for (const RectTable& table : RectTables()) {
    const RectStandard standard(table, file);
    for (std::size_t size = 0; size < std::min(kMost, standard.Sizes('D').size()); ++size) {
      for (std::size_t wall = 0; wall <= standard.Walls(size, 'D').size(); ++wall) {
        const RectValues values = standard.Values(size, wall);
        Finite(values.massPerMetre);
        (void)ShowRect(values, 'E');
      }
    }
  }
}

void Bends(const CatalogueFile& file) {
  for (const BendTable& table : BendTables()) {
    const BendStandard standard(table, file);
    for (std::size_t size = 0; size < std::min(kMost, standard.Sizes().size()); ++size) {
      for (std::size_t wall = 0; wall < standard.Walls(size, 'D').size(); ++wall) {
        const BendValues values = standard.Values(size, wall, wall, BendShape::C);
        Finite(values.mass);
        (void)ShowBend(values, 'D');
      }
    }
  }
}

template <typename Standard, typename Ends, typename Seconds, typename Show>
void TwoEnds(const Standard& standard, Ends ends, Seconds seconds, Show show) {
  const std::size_t firsts = std::min(kMost, ends().size());
  for (std::size_t first = 0; first < firsts; ++first) {
    const std::size_t count = std::min(kMost, seconds(first).size() + 1);
    for (std::size_t second = 0; second < count; ++second) {
      for (std::size_t wall = 0; wall < 5; ++wall) show(standard.Values(first, wall, second, 4 - wall));
    }
  }
}

void Fittings(const CatalogueFile& file) {
  for (const FittingSheet sheet : {FittingSheet::Din, FittingSheet::Asme}) {
    const ReducerStandard reducers(FindReducerTable(sheet), file);
    TwoEnds(
        reducers, [&] { return reducers.LargeEnds(); }, [&](std::size_t i) { return reducers.SmallEnds(i); },
        [](const ReducerValues& values) {
          Finite(values.angle);
          Finite(values.mass);
          (void)ShowReducer(values, 'D', "m");
          (void)ReducerTakeOverValues(values, true, false, 'E');
        });
    const TeeStandard tees(FindTeeTable(sheet), file);
    TwoEnds(
        tees, [&] { return tees.Runs(); }, [&](std::size_t i) { return tees.Branches(i); },
        [](const TeeValues& values) {
          Finite(values.mass);
          (void)ShowTee(values, 'D', "m");
          (void)TeeTakeOverValues(values, false, 'D');
        });
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const bool decimalPoint : {false, true}) {
    const CatalogueFile file = ReadCatalogueContent(content, "fuzz.nfk", decimalPoint);
    Pipes(file);
    Rectangles(file);
    Bends(file);
    Fittings(file);
  }
  return 0;
}
