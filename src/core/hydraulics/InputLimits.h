#pragma once

#include <span>

#include "hydraulics/MainInput.h"

// The input ranges of the coefficient tables that end in a value of 0 (or whose law needs a
// ratio inside its table): inputs outside them are refused by the input check with the
// minimum/maximum messages of the value check instead of being calculated with ζ = 0.
namespace velmora::hydraulics {

// The quantity a limit applies to.
enum class LimitQuantity {
  Slot,          // InputN, N = Slot
  Ratio,         // InputN/InputM, N = Slot, M = OverSlot
  RatioSquared,  // (InputN/InputM)²
};

struct InputLimit {
  int Group;
  int Kind;
  LimitQuantity Quantity;
  int Slot;      // the slot of the value (the numerator of a ratio), 1 … 6
  int OverSlot;  // the denominator slot of a ratio, 0 for a plain slot
  long double Min;
  long double Max;
  bool CheckMin;     // the value must not be below Min (Min itself passes)
  bool CheckMax;     // the value must not be above Max ...
  bool MaxAllowed;   // ... where Max itself passes (the table's last breakpoint) unless false
  bool LaminarOnly;  // the table is used in laminar flow only
  int FocusSlot;     // the edit the message refers to
};

// Sorted by element; a kind may have several rows.
inline constexpr InputLimit InputLimits[] = {
    // annulus: laminar factor over D/d, 1 … 100
    {1, 3, LimitQuantity::Ratio, 1, 2, 1.0L, 100.0L, true, true, true, true, 1},
    // segment bend: angle table 0 … 90°
    {4, 2, LimitQuantity::Slot, 2, 0, 0.0L, 90.0L, false, true, true, false, 2},
    // cast-iron bend: nominal-size table from 50 mm (flat above 400)
    {4, 3, LimitQuantity::Slot, 1, 0, 50.0L, 0.0L, true, false, true, false, 1},
    // rectangular bend: aspect-ratio factor from H/B = 0.2 (flat above 8)
    {4, 4, LimitQuantity::Ratio, 2, 1, 0.2L, 0.0L, true, false, true, false, 2},
    // dividing flow: the laminar factor K over the branch angle, 0 … 90°
    {5, 5, LimitQuantity::Slot, 4, 0, 0.0L, 90.0L, false, true, true, true, 4},
    // straight breeches piece: angle table 0 … 90°
    {5, 7, LimitQuantity::Slot, 2, 0, 0.0L, 90.0L, false, true, true, false, 2},
    // curved breeches piece: R/D table 0.5 … 2
    {5, 8, LimitQuantity::Ratio, 2, 1, 0.5L, 2.0L, true, true, true, false, 2},
    // U-bend: L/D table from 0 (flat above 2)
    {6, 3, LimitQuantity::Ratio, 2, 1, 0.0L, 0.0L, true, false, true, false, 2},
    // cock: angle table 0 … 50°
    {7, 5, LimitQuantity::Slot, 2, 0, 0.0L, 50.0L, false, true, true, false, 2},
    // butterfly valve: angle table 0 … 70°
    {7, 6, LimitQuantity::Slot, 2, 0, 0.0L, 70.0L, false, true, true, false, 2},
    // venturi nozzle: ζ over (d/D)², 0.1 … 0.6
    {9, 7, LimitQuantity::RatioSquared, 2, 1, 0.1L, 0.6L, true, true, true, false, 1},
};

// The limits of one element (empty when it has none).
std::span<const InputLimit> LimitsOf(int group, int kind);

// The limited quantity of an input.
long double LimitValue(const InputLimit& limit, const MainInput& input);

enum class LimitBreach { None, BelowMinimum, AboveMaximum };

LimitBreach CheckLimit(const InputLimit& limit, const MainInput& input);

// The first limit of the input's element that the input breaks, or nullptr. Limits marked
// LaminarOnly count only when `laminar` is true (pass true when the regime is not yet known).
const InputLimit* FindLimitBreach(const MainInput& input, bool laminar = true);

}  // namespace velmora::hydraulics
