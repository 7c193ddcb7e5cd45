// DADRU.DAD as it may arrive damaged: read line by line as plain text, and every substance's
// vapour pressure and density evaluated over its up/down range. Nothing may crash or loop.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fluids/VapourPressure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fluids;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const VapourPressureDatabase database = ReadVapourPressureDatabase(DecodeTableLines(content, LineCoding::Plain, 0));
  for (const VapourPressureRecord& substance : database.substances) {
    const DegreeRange range = UpDownRange(substance);
    for (const int t : {range.lowest, (range.lowest + range.highest) / 2, range.highest}) {
      (void)VapourPressure(substance, t + 273.15L);
      (void)RackettDensity(substance, t + 273.15L);
    }
  }
  return 0;
}
