#include "results/Notes.h"

#include <string>

#include "results/TableTexts.h"

namespace velmora::results {
namespace {
constexpr long double kBoundaryRegionLow = 2200.0L;
constexpr long double kBoundaryRegionHigh = 2320.0L;  // the laminar limit
}  // namespace

std::optional<text::Message> BoundaryRegionNote(long double reynolds, const text::TextStore& texts) {
  if (reynolds < kBoundaryRegionLow || reynolds > kBoundaryRegionHigh) return std::nullopt;
  return text::Message{
      WindowText(texts, "msgBoundaryRegion"), WindowText(texts, "msgNoteCaption"), text::MessageIcon::Information, {}};
}

text::Messages CalculationNotes(const hydraulics::ElementOutcome& outcome, int group, int kind,
                                const text::TextStore& texts) {
  text::Messages messages;
  // Range notes of the throttling devices 9/1 … 9/4: msgRange91 … msgRange94.
  if (outcome.RangeNote && group == 9 && kind >= 1 && kind <= 4) {
    messages.push_back({WindowText(texts, "msgRange9" + std::to_string(kind)),
                        WindowText(texts, "msgNoteCaption"),
                        text::MessageIcon::Information,
                        {}});
  }
  if (outcome.LaminarWarning) {
    messages.push_back({WindowText(texts, "msgLaminarWarning"), {}, text::MessageIcon::None, {}});
  }
  if (outcome.GasLimit) {
    messages.push_back(
        {WindowText(texts, "msgGasLimit"), WindowText(texts, "msgGasLimitCaption"), text::MessageIcon::Error, {}});
  }
  return messages;
}

}  // namespace velmora::results
