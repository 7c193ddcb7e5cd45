// MEDIEN.STW as it may arrive damaged: decoded line by line with key slot 1, read into liquids,
// and every liquid interpolated between and beside its rows. Nothing may crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fluids/LiquidDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fluids;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const LineCoding coding : {LineCoding::Scrambled, LineCoding::Plain}) {
    const LiquidDatabase database = ReadLiquidDatabase(DecodeTableLines(content, coding, 0));
    for (const LiquidRecord& liquid : database.liquids) {
      for (const LiquidRow& row : liquid.rows) {
        (void)LiquidAt(liquid, row.temperature);
        (void)InterpolateLiquid(liquid, row.temperature + 0.5L);
        (void)InterpolateLiquid(liquid, row.temperature - 0.5L);
      }
    }
  }
  return 0;
}
