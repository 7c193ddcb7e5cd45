// A manufacturer's zeta file as it may arrive from anywhere: any bytes give a table, and what the
// table holds is sound: a designation, and sizes whose diameter is above 0 and whose zeta is a
// number of at least 0. Nothing may crash, and no value may be made up.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "coefficients/ZetaDatabase.h"
#include "units/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const velmora::coefficients::ZetaTable table = velmora::coefficients::ReadZetaTable(content);
  for (const velmora::coefficients::ZetaFitting& fitting : table.fittings) {
    if (fitting.designation.empty() || fitting.sizes.empty()) __builtin_trap();
    for (const velmora::coefficients::ZetaSize& s : fitting.sizes) {
      const auto diameter = velmora::units::ParseNumber(s.diameter);
      const auto zeta = velmora::units::ParseNumber(s.zeta);
      if (s.zeta.empty() || !diameter || *diameter <= 0 || !zeta || *zeta < 0) __builtin_trap();
    }
  }
  if (table.notes.size() > velmora::coefficients::ZetaTable::kMaxNotes) __builtin_trap();
  return 0;
}
