// GASE.STW as it may arrive damaged: decoded line by line with key slot 1, read into gases, and
// every gas calculated at a few states. Lines may be skipped; nothing may crash or loop.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fluids/GasState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fluids;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const LineCoding coding : {LineCoding::Scrambled, LineCoding::Plain}) {
    const GasDatabase database = ReadGasDatabase(DecodeTableLines(content, coding, 1));
    for (const GasRecord& gas : database.gases) {
      for (const TabulatedViscosity& row : gas.viscosities) {
        for (const long double p : {0.1L, 1.013L, 50.0L, 1000.0L}) {
          (void)CalculateGasState(gas, row.temperature + 273.15L, p, row.viscosity);
        }
        (void)ViscosityAt(gas, row.temperature + 0.5L);
      }
    }
  }
  return 0;
}
