// A project file as a damaged disk or a hostile sender may deliver it: decoded, then read in
// whichever of the four formats its first line claims. Refusing is fine; crashing is not.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "project/ProjectFile.h"
#include "project/ProjectReader.h"
#include "text/TextStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const velmora::text::TextStore texts = [] {
    velmora::text::TextStore store('E');
    store.LoadTexts(VELMORA_FUZZ_PROGRAM_DIR);
    return store;
  }();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)velmora::project::ReadProjectLines(velmora::project::DecodeProjectBytes(bytes), texts, {});
  return 0;
}
