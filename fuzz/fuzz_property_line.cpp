// One line of velmora-calc property --batch, read and answered with the property tables of the
// program folder: any line must give one answer line, never a crash or a number that is not finite.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "AnswerLine.h"
#include "PropertyCommand.h"
#include "PropertyDatabases.h"
#include "text/TextStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  static const text::TextStore texts = [] {
    text::TextStore store('E');
    store.LoadTexts(VELMORA_FUZZ_PROGRAM_DIR);
    return store;
  }();
  static cli::PropertyDatabases tables(VELMORA_FUZZ_PROGRAM_DIR, texts);
  // Reused from line to line, as the batch loop does.
  static const auto scratch = std::make_unique<cli::PropertyScratch>();
  cli::PropertyRequestFromLine(std::string_view(reinterpret_cast<const char*>(data), size), scratch->object,
                               scratch->request);
  std::string out;
  cli::AnswerProperty(texts, tables, *scratch, out);
  if (!velmora::fuzz::IsOneFiniteLine(out)) std::abort();
  return 0;
}
