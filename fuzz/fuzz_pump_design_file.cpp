// The pump quick design's *.psa reader: any bytes as the lines of a file, in every edition. A file
// is either refused (with a line number inside it) or read whole, and what is read writes back as
// a file of 70 lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/PumpDesignFile.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = velmora::project::DecodeProjectBytes(bytes);
  for (const char edition : {'D', 'E', 'F', 'H'}) {
    const velmora::calculators::PumpFileRead read = velmora::calculators::ReadPumpDesignLines(lines, edition);
    if (read.form) {
      if (velmora::calculators::PumpDesignFileLines(*read.form, false).size() != velmora::calculators::kPumpFileLines)
        __builtin_trap();
    } else if (read.problem == velmora::calculators::PumpFileProblem::UnexpectedLine &&
               (read.line == 0 || read.line > lines.size())) {
      __builtin_trap();
    }
  }
  return 0;
}
