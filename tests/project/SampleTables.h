#pragma once

#include <vector>

#include "results/ResultColumn.h"
#include "results/ResultsTable.h"
#include "text/Edition.h"

namespace velmora::project::testing {

// One element of the samples: (group, kind), calculated for a gas or a liquid, laminar or not.
struct SampleElement {
  int group;
  int kind;
  bool gas = false;
  bool laminar = false;
  int option = 0;
};

// Elements of every group with every kind of row the translation touches: plain dimensions,
// degrees, pieces, areas, two-way options, the height difference without a regime, a gas.
const std::vector<SampleElement>& SampleElements();

// The table that the results window of `edition` builds from the samples (three decimals,
// metric), the same inputs in every edition.
results::ResultsTable SampleTable(text::Edition edition, const std::vector<SampleElement>& elements = SampleElements());

// The element columns of a table.
std::vector<results::ResultColumn> Columns(const results::ResultsTable& table);

}  // namespace velmora::project::testing
