#pragma once

// Which rows of the results table an element fills, by group, kind and flow regime.
namespace velmora::results {

struct ElementRows {
  bool flowQuantities = true;  // rows 14 … 21 (all but the height difference 13/1)
  bool velocity2 = false;      // row 16
  bool reynolds2 = false;      // row 17
  bool roughness = false;      // row 19
  bool lambda = false;         // row 20
  bool branch = false;         // rows 22 and 23
};

// The rows of element (group, kind) in laminar or turbulent flow.
ElementRows RowsOf(int group, int kind, bool laminar);

}  // namespace velmora::results
