#include "catalogue/CheckElement.h"

#include <array>

#include "catalogue/ElementLayout.h"
#include "hydraulics/InputLimits.h"
#include "hydraulics/PrepareFlow.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/ValueCheck.h"

namespace velmora::catalogue {
namespace {

const char* const kEdits[] = {"Va1_Edit", "Va2_Edit", "Va3_Edit", "Va4_Edit", "Va5_Edit"};

// Runs the checks of one element and collects their messages. Slots are numbered 1..5.
class Checker {
 public:
  Checker(const hydraulics::MainInput& input, const text::TextStore& texts, const ElementLayout& layout)
      : texts_(texts), layout_(layout), values_{input.Input1, input.Input2, input.Input3, input.Input4, input.Input5} {}

  long double operator[](int slot) const { return values_[static_cast<std::size_t>(slot - 1)]; }

  void Positive(std::initializer_list<int> slots) {
    for (const int slot : slots) Limits(slot, units::kPositive);
  }
  void Limits(int slot, const units::ValueLimits& limits) {
    const text::Messages found = units::CheckValue(texts_, limits, Label(slot), kEdits[slot - 1], (*this)[slot]);
    messages_.insert(messages_.end(), found.begin(), found.end());
  }
  void Add(const text::Messages& found) { messages_.insert(messages_.end(), found.begin(), found.end()); }
  void NotNegative(int slot) { Limits(slot, {.allowZero = true}); }
  void Below(int slot, long double max) { Limits(slot, {.checkMax = true, .max = max}); }

  // The element's own message: global text 183, a line break and the window's text for the rule.
  void Refuse(const char* key, int focusSlot) {
    messages_.push_back(
        {texts_.GlobalText(text::global::kInvalidInput) + "\n" + texts_.FormText(text::kMainWindowBlock, key),
         texts_.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, kEdits[focusSlot - 1]});
  }

  std::string Label(int slot) const {
    const SlotLayout& layout = layout_.slotLayouts[static_cast<std::size_t>(slot - 1)];
    return texts_.GlobalText(layout.labelText) + std::string(layout.symbol);
  }

  text::Messages Take() { return std::move(messages_); }
  bool Empty() const { return messages_.empty(); }

 private:
  const text::TextStore& texts_;
  const ElementLayout& layout_;
  std::array<long double, 5> values_;
  text::Messages messages_;
};

bool Outside(long double value, long double low, long double high) { return value < low || value > high; }

void CheckStraightDuct(Checker& c, int kind) {
  switch (kind) {
    case 1: c.Positive({1, 2}); break;
    case 3:
      c.Positive({1, 2, 3});
      if (c[2] > 0) {
        if (c[1] < c[2]) c.Refuse("chkAnnulusInner", 1);
        if (c[1] / c[2] > 100) c.Refuse("chkAnnulusRatio", 1);
        if (c[1] == c[2]) c.Refuse("chkAnnulusEqual", 1);
      }
      break;
    case 5:
      c.Positive({1, 2, 3, 4});
      if (c[3] > 0 && Outside(c[2] / c[3], 0.2L, 1.2L)) c.Refuse("chkCorrugatedPitch", 2);
      if (c[1] > 0 && Outside(c[2] / c[1], 0.0455L, 1)) c.Refuse("chkCorrugatedDepth", 1);
      if (c[4] < c[3] / 1000) c.Refuse("chkCorrugatedLength", 4);
      break;
    default: c.Positive({1, 2, 3}); break;  // rectangle, channel, free shape
  }
}

void CheckCrossSectionChange(Checker& c, int kind) {
  c.Positive({1, 2});
  const bool expansion = kind <= 2;
  if (expansion && !(c[1] < c[2])) c.Refuse("chkExpansionDiameters", 1);
  if (!expansion && !(c[2] < c[1])) c.Refuse("chkContractionDiameters", 1);
  if (kind == 2) c.Limits(3, {.checkMax = true, .max = 90});
  if (kind == 4) c.Limits(3, {.checkMax = true, .max = 180});
}

void CheckBend(Checker& c, int kind) {
  switch (kind) {
    case 1:
      c.Positive({1, 2, 3});
      if (c[3] > 180) c.Refuse("chkBendAngleMax", 3);
      if (c[3] < 15) c.Refuse("chkBendAngleMin", 3);
      if (c[1] > 0 && c[2] > 0 && c[2] / c[1] < 1) c.Refuse("chkBendRadius", 1);
      break;
    case 2:
      c.Positive({1, 2});
      if (c[2] > 90) c.Refuse("chkMitreAngle", 2);
      break;
    case 3:
      c.Positive({1});
      if (Outside(c[1], 50, 500)) c.Refuse("chkCastBendSize", 1);
      break;
    case 4:
      c.Positive({1, 2, 3, 4});
      if (c[4] > 180) c.Refuse("chkBendAngleMax", 4);
      if (c[1] > 0 && c[2] > 0 && c[3] > 0 && c[3] / c[1] < 1) c.Refuse("chkBendRadiusRect", 1);
      break;
    case 5:
      c.Positive({1, 2});
      if (c[2] > 180) c.Refuse("chkBendAngleMax", 2);
      break;
    case 6:
      c.Positive({1, 2, 3});
      if (c[3] > 180) c.Refuse("chkBendAngleMax", 3);
      break;
  }
}

void CheckBranch(Checker& c, int kind) {
  switch (kind) {
    case 1: c.Positive({1, 2}); break;
    case 5:
    case 6:
      c.Positive({1, 2});
      c.NotNegative(3);
      c.Limits(4, {.checkMax = true, .allowZero = true, .max = 180});
      break;
    case 7:
      c.Positive({1, 2});
      if (c[2] > 90) c.Refuse("chkTrouserAngle", 2);
      break;
    case 8:
      c.Positive({1, 2});
      if (c[1] > 0 && Outside(c[2] / c[1], 0.5L, 2)) c.Refuse("chkTrouserRadius", 2);
      break;
    default: c.Positive({1}); break;
  }
}

void CheckCompensatorOrValve(Checker& c, int group, int kind) {
  c.Positive({1});
  if (group == 6 && kind == 1) c.Positive({2});
  if (group == 6 && kind == 3) {
    c.NotNegative(2);
    if (c[1] > 0 && c[2] / c[1] > 10) c.Refuse("chkUBendLength", 1);
  }
  if (group == 7 && kind == 4) {
    c.Positive({2});
    if (!(c[2] < c[1])) c.Refuse("chkGateHeight", 1);
  }
  if (group == 7 && kind == 5) {
    c.NotNegative(2);
    if (c[2] > 50) c.Refuse("chkCockAngle", 2);
  }
  if (group == 7 && kind == 6) {
    c.NotNegative(2);
    if (c[2] > 70) c.Refuse("chkButterflyAngle", 2);
  }
}

void CheckThrottle(Checker& c, int kind) {
  c.Positive({1, 2});
  const long double beta = c[1] > 0 ? c[2] / c[1] : 0;
  switch (kind) {
    case 1:
      if (!(c[2] < c[1])) c.Refuse("chkOrificeBore", 1);
      if (Outside(c[1], 50, 1000) || c[2] < 12.5L || Outside(beta, 0.1L, 0.75L)) c.Refuse("chkOrificeIsoRange", 1);
      break;
    case 2:
    case 3:
    case 4:
      if (kind == 3) c.NotNegative(3);
      if (kind == 4) c.Positive({3});
      if (!(c[2] < c[1])) c.Refuse("chkOrificeBore", 1);
      break;
    case 5:
      // The tolerance admits a ratio typed as 0.8 or 0.3 exactly.
      if (Outside(c[1], 50, 500) || Outside(beta, 0.299999L, 0.800001L)) c.Refuse("chkNozzleRange", 1);
      break;
    case 6:
      if (Outside(c[1], 50, 630) || Outside(beta, 0.2L, 0.800001L)) c.Refuse("chkLongRadiusRange", 1);
      break;
    case 7:
      if (Outside(beta * beta, 0.1L, 0.6L)) c.Refuse("chkVenturiRange", 1);
      break;
  }
}

// Perforated plates and screens: the dimensions are positive, the free area lies in 1 % .. 99 %.
void CheckPlateOrScreen(Checker& c, int areaSlot) {
  for (int slot = 1; slot < areaSlot; ++slot) c.Positive({slot});
  c.Limits(areaSlot, {.checkMin = true, .checkMax = true, .min = 1, .max = 99});
}

int FreeAreaSlot(const ElementLayout& layout) {
  for (int slot = 1; slot <= 5; ++slot) {
    if (layout.slotLayouts[static_cast<std::size_t>(slot - 1)].unit == SlotUnit::Percent) return slot;
  }
  return 0;
}

// The symbol of a slot without its blank and colon: " D2:" gives "D2".
std::string Symbol(const SlotLayout& slot) {
  std::string symbol(slot.symbol);
  std::erase(symbol, ' ');
  std::erase(symbol, ':');
  return symbol;
}

// A limit on a ratio is named by the numerator's label with both symbols ("Höhe H/B").
std::string LimitLabel(const text::TextStore& texts, const ElementLayout& layout, const hydraulics::InputLimit& limit) {
  const SlotLayout& slot = layout.slotLayouts[static_cast<std::size_t>(limit.Slot - 1)];
  if (limit.Quantity == hydraulics::LimitQuantity::Slot)
    return texts.GlobalText(slot.labelText) + std::string(slot.symbol);
  const SlotLayout& over = layout.slotLayouts[static_cast<std::size_t>(limit.OverSlot - 1)];
  std::string ratio = Symbol(slot) + "/" + Symbol(over);
  if (limit.Quantity == hydraulics::LimitQuantity::RatioSquared) ratio = "(" + ratio + ")²";
  return texts.GlobalText(slot.labelText) + " " + ratio + ":";
}

bool Laminar(const hydraulics::MainInput& input) {
  // Before the operating data are known to be usable, a laminar-only table counts as in use.
  if (!(input.VolumeFlow > 0 && input.Density > 0 && input.Viscosity > 0)) return true;
  return hydraulics::PrepareFlow(input).Reynolds < 2320;
}

text::Messages CheckTableRanges(const hydraulics::MainInput& input, const text::TextStore& texts,
                                const ElementLayout& layout) {
  text::Messages messages;
  const bool laminar = Laminar(input);
  for (const hydraulics::InputLimit& limit : hydraulics::LimitsOf(input.ElementGroup, input.ElementKind)) {
    if (limit.LaminarOnly && !laminar) continue;
    const hydraulics::LimitBreach breach = hydraulics::CheckLimit(limit, input);
    if (breach == hydraulics::LimitBreach::None) continue;
    const bool above = breach == hydraulics::LimitBreach::AboveMaximum;
    messages.push_back(units::LimitMessage(texts, LimitLabel(texts, layout, limit), kEdits[limit.FocusSlot - 1], above,
                                           units::FormatNumber(above ? limit.Max : limit.Min, 3, texts.edition())));
  }
  return messages;
}

}  // namespace

std::string SlotLabel(const text::TextStore& texts, int group, int kind, int slot) {
  const ElementLayout* layout = FindLayout(group, kind);
  if (layout == nullptr || slot < 1 || slot > 5) return {};
  const SlotLayout& s = layout->slotLayouts[static_cast<std::size_t>(slot - 1)];
  return texts.GlobalText(s.labelText) + std::string(s.symbol);
}

text::Messages CheckElement(const hydraulics::MainInput& input, const text::TextStore& texts) {
  const ElementLayout* layout = FindLayout(input.ElementGroup, input.ElementKind);
  if (layout == nullptr) return {};
  Checker c(input, texts, *layout);
  const int kind = input.ElementKind;
  switch (input.ElementGroup) {
    case 1: CheckStraightDuct(c, kind); break;
    case 2:
      c.Positive({1});
      if (kind == 3) c.Limits(2, {.checkMax = true, .allowZero = true, .max = 90});
      break;
    case 3: CheckCrossSectionChange(c, kind); break;
    case 4: CheckBend(c, kind); break;
    case 5: CheckBranch(c, kind); break;
    case 6:
    case 7:
    case 8: CheckCompensatorOrValve(c, input.ElementGroup, kind); break;
    case 9: CheckThrottle(c, kind); break;
    case 10:
    case 11:
      if (const int areaSlot = FreeAreaSlot(*layout)) {
        CheckPlateOrScreen(c, areaSlot);
      } else {
        c.Positive({1});
      }
      break;
    case 12:
      c.Positive(kind == 1 ? std::initializer_list<int>{1} : std::initializer_list<int>{1, 2});
      c.NotNegative(kind == 1 ? 2 : 3);
      break;
    case 13:
      if (kind == 2) c.Positive({1, 2});
      if (kind == 3) c.Positive({1, 2, 3, 4});
      break;
  }
  // The coefficient tables end at their last breakpoint: refuse what lies beyond instead of
  // calculating with a coefficient of zero. Rules above that already refused an input take precedence.
  if (c.Empty()) c.Add(CheckTableRanges(input, texts, *layout));
  if (layout->roughness) {
    // A wall roughness below zero has no meaning; zero is a hydraulically smooth wall.
    const text::Messages rough = units::CheckValue(
        texts, {.allowZero = true}, texts.FormText(text::kMainWindowBlock, "Label4"), "Edit2", input.Input6);
    c.Add(rough);
  }
  return c.Take();
}

}  // namespace velmora::catalogue
