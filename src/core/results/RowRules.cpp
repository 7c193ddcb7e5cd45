#include "results/RowRules.h"

namespace velmora::results {
namespace {

enum RowFlag : unsigned {
  kVelocity2 = 1u << 0,
  kReynolds2 = 1u << 1,
  kSecondSection = kVelocity2 | kReynolds2,
  kRoughnessTurbulent = 1u << 2,  // the wall roughness only matters to the turbulent law
  kLambdaAlways = 1u << 3,
  kLambdaTurbulent = 1u << 4,
  kBranch = 1u << 5,
  kNoFlowQuantities = 1u << 6,
};

struct RowRule {
  int group;
  int firstKind;
  int lastKind;
  unsigned flags;
};

// Elements not listed fill only the common rows.
constexpr RowRule kRules[] = {
    {1, 1, 4, kRoughnessTurbulent | kLambdaAlways},  // circular, rectangular, annular, channel
    {1, 5, 5, kLambdaAlways},                        // corrugated pipe: its own friction law
    {1, 6, 6, kRoughnessTurbulent | kLambdaAlways},  // free shape
    {3, 1, 1, kSecondSection},
    {3, 2, 2, kSecondSection | kRoughnessTurbulent | kLambdaTurbulent},
    {3, 3, 3, kSecondSection},
    {3, 4, 4, kSecondSection | kRoughnessTurbulent | kLambdaTurbulent},
    {4, 1, 1, kRoughnessTurbulent | kLambdaTurbulent},
    {4, 4, 6, kRoughnessTurbulent | kLambdaTurbulent},
    {5, 1, 1, kSecondSection},
    {5, 5, 6, kSecondSection | kBranch},
    {9, 1, 9, kSecondSection},      // bore
    {10, 1, 9, kVelocity2},         // openings of the plate
    {11, 1, 6, kVelocity2},         // openings of the screen
    {13, 1, 1, kNoFlowQuantities},  // height difference
    {13, 2, 3, kSecondSection},
};

unsigned FlagsOf(int group, int kind) {
  for (const RowRule& rule : kRules) {
    if (rule.group == group && kind >= rule.firstKind && kind <= rule.lastKind) return rule.flags;
  }
  return 0;
}

}  // namespace

ElementRows RowsOf(int group, int kind, bool laminar) {
  const unsigned flags = FlagsOf(group, kind);
  ElementRows rows;
  rows.flowQuantities = (flags & kNoFlowQuantities) == 0;
  rows.velocity2 = (flags & kVelocity2) != 0;
  rows.reynolds2 = (flags & kReynolds2) != 0;
  rows.roughness = (flags & kRoughnessTurbulent) != 0 && !laminar;
  rows.lambda = (flags & kLambdaAlways) != 0 || ((flags & kLambdaTurbulent) != 0 && !laminar);
  rows.branch = (flags & kBranch) != 0;
  return rows;
}

}  // namespace velmora::results
