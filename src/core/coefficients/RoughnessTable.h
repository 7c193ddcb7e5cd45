#pragma once

#include <string>
#include <string_view>

#include "text/Edition.h"
#include "text/TextStore.h"

// The roughness database: 42 absolute wall roughness values of pipe materials and surface states,
// built into the program. Each edition lists them in the order of its own description lines:
// editions D and H share one order, E and F each have theirs.
namespace velmora::coefficients {

inline constexpr int kRoughnessEntries = 42;

// One line of the list as an edition shows it.
struct RoughnessEntry {
  std::string_view value;  // in mm, written as the edition writes it ("0,0015", "0.40")
  std::string_view key;    // the key of its description in the block "RauDatenbank"
};

// Entry `entry` (1 … 42) of the edition's list; nullptr for any other number or edition letter.
const RoughnessEntry* FindRoughnessEntry(text::Edition edition, int entry);

// The description of entry `entry` in the store's edition (empty outside 1 … 42).
std::string RoughnessDescription(const text::TextStore& texts, int entry);

}  // namespace velmora::coefficients
