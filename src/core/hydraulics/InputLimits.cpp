#include "hydraulics/InputLimits.h"

#include "hydraulics/InputSlots.h"

namespace velmora::hydraulics {

std::span<const InputLimit> LimitsOf(int group, int kind) {
  const std::span<const InputLimit> all(InputLimits);
  std::size_t first = 0;
  while (first < all.size() && (all[first].Group != group || all[first].Kind != kind)) ++first;
  std::size_t last = first;
  while (last < all.size() && all[last].Group == group && all[last].Kind == kind) ++last;
  return all.subspan(first, last - first);
}

long double LimitValue(const InputLimit& limit, const MainInput& input) {
  const long double value = SlotValue(input, limit.Slot);
  switch (limit.Quantity) {
    case LimitQuantity::Slot: return value;
    case LimitQuantity::Ratio: return value / SlotValue(input, limit.OverSlot);
    case LimitQuantity::RatioSquared: {
      const long double ratio = value / SlotValue(input, limit.OverSlot);
      return ratio * ratio;
    }
  }
  return value;
}

LimitBreach CheckLimit(const InputLimit& limit, const MainInput& input) {
  const long double value = LimitValue(limit, input);
  if (limit.CheckMin && value < limit.Min) return LimitBreach::BelowMinimum;
  if (limit.CheckMax && (limit.MaxAllowed ? value > limit.Max : value >= limit.Max)) {
    return LimitBreach::AboveMaximum;
  }
  return LimitBreach::None;
}

const InputLimit* FindLimitBreach(const MainInput& input, bool laminar) {
  for (const InputLimit& limit : LimitsOf(input.ElementGroup, input.ElementKind)) {
    if (limit.LaminarOnly && !laminar) continue;
    if (CheckLimit(limit, input) != LimitBreach::None) return &limit;
  }
  return nullptr;
}

}  // namespace velmora::hydraulics
