// One line of velmora-calc's batch input, as a script or a hostile file may send it: read, checked
// with the main window's checks and calculated. Any line gives one answer line, never a crash or a
// number that is not finite.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "Answer.h"
#include "AnswerLine.h"
#include "Batch.h"
#include "FlatJson.h"
#include "Request.h"
#include "text/TextStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  static const text::TextStore texts = [] {
    text::TextStore store('E');
    store.LoadTexts(VELMORA_FUZZ_PROGRAM_DIR);
    return store;
  }();
  static const cli::Checks checks(texts);
  static const auto scratch = std::make_unique<cli::Scratch>();
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  std::string out;
  cli::ProcessLine(line, checks, *scratch, out);
  if (!velmora::fuzz::IsOneFiniteLine(out)) std::abort();
  return 0;
}
