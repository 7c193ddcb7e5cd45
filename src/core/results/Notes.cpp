#include "results/Notes.h"

#include "results/TableTexts.h"

namespace velmora::results {
namespace {
constexpr long double kBoundaryRegionLow = 2200.0L;
constexpr long double kBoundaryRegionHigh = 2320.0L;  // the laminar limit
}  // namespace

std::optional<text::Message> BoundaryRegionNote(long double reynolds, const text::TextStore& texts) {
  if (reynolds < kBoundaryRegionLow || reynolds > kBoundaryRegionHigh) return std::nullopt;
  return text::Message{WindowText(texts, "msgBoundaryRegion"), WindowText(texts, "msgNoteCaption"),
                       text::MessageIcon::Information, {}};
}

}  // namespace velmora::results
