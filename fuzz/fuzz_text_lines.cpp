// A text or data file as it may arrive damaged: split into lines, each unscrambled with both keys
// in use, then read field by field. Anything may be refused; nothing may crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/FieldOf.h"
#include "text/TEncryption.h"
#include "text/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const std::string& line : velmora::text::SplitLines(content)) {
    for (const int slot : {1, 3}) {
      try {
        const std::string plain = velmora::text::Unscramble(line, slot);
        for (int k = 1; k <= 8; ++k) (void)velmora::text::FieldView(plain, k);
      } catch (const velmora::text::ScrambleError&) {}
    }
  }
  return 0;
}
