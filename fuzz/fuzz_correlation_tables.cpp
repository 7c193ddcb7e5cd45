// WT.STW, WAESSRIG.STW and STBERE.STW as they may arrive damaged: decoded line by line with key
// slot 1 (and as plain lines), read into oils, solutes and substances, and each calculated at a few
// states, singly and mixed. Lines may be skipped; nothing may crash or loop.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fluids/AqueousSolution.h"
#include "fluids/Estimation.h"
#include "fluids/HeatTransferOil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fluids;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const LineCoding coding : {LineCoding::Scrambled, LineCoding::Plain}) {
    for (const OilRecord& oil : ReadOilDatabase(DecodeTableLines(content, coding, 1)).oils) {
      for (const long double t : {0.0L, 150.0L, 300.0L}) (void)OilProperties(oil, t);
    }
    const AqueousDatabase solutions = ReadAqueousDatabase(DecodeTableLines(content, coding, 2));
    std::vector<Solute> solutes;
    for (const SoluteRecord& solute : solutions.solutes) {
      solutes.push_back({&solute, 10});
      if (solutes.size() == 4) break;
    }
    for (const long double T : {273.15L, 373.15L, 473.15L}) (void)SolutionProperties(solutes, T);
    const SubstanceDatabase substances = ReadSubstanceDatabase(DecodeTableLines(content, coding, 1));
    std::vector<MixtureComponent> mixture;
    for (const SubstanceRecord& s : substances.substances) {
      for (const long double p : {0.1L, 1.013L, 100.0L, 1000.0L}) {
        for (const long double T : {1.0L, 300.0L, 1000.0L}) (void)EstimateSubstance(s, p, T);
      }
      if (mixture.size() < 4) mixture.push_back({&s, 25});
    }
    if (mixture.size() == 4) {
      for (const long double p : {0.1L, 10.0L, 1000.0L}) {
        (void)EstimateMixture(mixture, FractionKind::Mass, p, 300);
        (void)EstimateMixture(mixture, FractionKind::Mole, p, 50);
      }
    }
  }
  return 0;
}
