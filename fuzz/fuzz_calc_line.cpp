// One line of velmora-calc calc --batch, read and answered: any line, any field text, any
// setting must give one answer line, never a crash or a number that is not finite.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "AnswerLine.h"
#include "CalcCommand.h"
#include "CalcRequest.h"
#include "FlatJson.h"
#include "text/TextStore.h"

namespace {

const velmora::text::TextStore* Texts(velmora::text::Edition edition) {
  static velmora::text::TextStore stores[] = {velmora::text::TextStore('D'), velmora::text::TextStore('E'),
                                              velmora::text::TextStore('F'), velmora::text::TextStore('H')};
  static bool loaded = [] {
    for (auto& store : stores) store.LoadTexts(VELMORA_FUZZ_PROGRAM_DIR);
    return true;
  }();
  (void)loaded;
  return &stores[velmora::text::EditionIndex(edition)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  static velmora::cli::FlatObject scratch;
  velmora::cli::CalcRequest request;
  velmora::cli::CalcRequestFromLine(line, scratch, request, 'D');
  std::string out;
  std::string refused;
  velmora::cli::AnswerCalc(request, &Texts, out, refused);
  if (!velmora::fuzz::IsOneFiniteLine(out)) std::abort();
  return 0;
}
