#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ElementInput.h"
#include "hydraulics/Bends.h"
#include "hydraulics/Branches.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/InputLimits.h"
#include "hydraulics/InputSlots.h"
#include "hydraulics/ThrottlingDevices.h"
#include "hydraulics/Valves.h"

namespace velmora::hydraulics {
namespace {

using testing::Element;

// An input of the limit's element whose limited quantity is q: the denominator slot of a ratio
// is 1 so that a ratio meets its bound exactly (other slots 100).
MainInput InputAt(const InputLimit& limit, long double q) {
  MainInput in = Element(limit.Group, limit.Kind, {100, 100, 100, 100, 100});
  long double* const slots[] = {&in.Input1, &in.Input2, &in.Input3, &in.Input4, &in.Input5, &in.Input6};
  if (limit.OverSlot != 0) *slots[limit.OverSlot - 1] = 1;
  *slots[limit.Slot - 1] = limit.Quantity == LimitQuantity::RatioSquared ? std::sqrt(q) : q;
  return in;
}

// A bound of a squared ratio cannot be met exactly through a square root: step inside by 1e-15.
long double Inside(const InputLimit& limit, long double bound, long double direction) {
  return limit.Quantity == LimitQuantity::RatioSquared ? bound * (1 + direction * 1e-15L) : bound;
}

TEST(InputLimits, EndsOfTheRangePassAndJustBeyondBreaks) {
  for (const InputLimit& limit : InputLimits) {
    SCOPED_TRACE(::testing::Message() << limit.Group << "/" << limit.Kind);
    if (limit.CheckMin) {
      EXPECT_EQ(CheckLimit(limit, InputAt(limit, Inside(limit, limit.Min, 1))), LimitBreach::None);
      EXPECT_EQ(CheckLimit(limit, InputAt(limit, limit.Min - 1e-6L)), LimitBreach::BelowMinimum);
    }
    if (limit.CheckMax) {
      EXPECT_EQ(CheckLimit(limit, InputAt(limit, Inside(limit, limit.Max, -1))),
                limit.MaxAllowed ? LimitBreach::None : LimitBreach::AboveMaximum);
      EXPECT_EQ(CheckLimit(limit, InputAt(limit, limit.Max * (1 + 1e-6L))), LimitBreach::AboveMaximum);
    }
  }
}

TEST(InputLimits, LimitsOfAnElement) {
  EXPECT_EQ(LimitsOf(4, 2).size(), 1u);
  EXPECT_TRUE(LimitsOf(1, 1).empty());
  EXPECT_EQ(LimitsOf(9, 7).front().Quantity, LimitQuantity::RatioSquared);
  // The dividing flow's angle only matters in laminar flow.
  MainInput tee = Element(5, 5, {100, 50, 0, 120});
  EXPECT_NE(FindLimitBreach(tee), nullptr);
  EXPECT_EQ(FindLimitBreach(tee, false), nullptr);
  EXPECT_EQ(FindLimitBreach(Element(4, 2, {100, 90})), nullptr);
  EXPECT_NE(FindLimitBreach(Element(4, 2, {100, 91})), nullptr);
}

struct TableEnd {
  const char* name;
  int group;
  int kind;
  std::function<long double(long double)> table;  // the table over the limited quantity
};

class LimitsMatchTheTables : public ::testing::TestWithParam<TableEnd> {};

// Every limit sits where its table stops: the bound still gives a value, beyond it the table gives 0.
TEST_P(LimitsMatchTheTables, TableEndsAtTheLimit) {
  const auto& c = GetParam();
  const auto limits = LimitsOf(c.group, c.kind);
  ASSERT_EQ(limits.size(), 1u);
  const InputLimit& limit = limits.front();
  if (limit.CheckMin) {
    EXPECT_NE(c.table(limit.Min), 0.0L);
    EXPECT_EQ(c.table(limit.Min - 1e-3L), 0.0L);
  }
  if (limit.CheckMax) {
    EXPECT_NE(c.table(limit.Max), 0.0L);
    EXPECT_EQ(c.table(limit.Max + 1e-3L), 0.0L);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, LimitsMatchTheTables,
    ::testing::Values(TableEnd{"annulus", 1, 3, [](long double R) { return LaminarLambdaAnnular(1, R, 64); }},
                      TableEnd{"segmentBend", 4, 2, [](long double a) { return SegmentBendZeta(a); }},
                      TableEnd{"castIronBend", 4, 3, [](long double DN) { return CastIronBendZeta(DN); }},
                      TableEnd{"rectangularBend", 4, 4, [](long double r) { return RectangularBendFactor(r); }},
                      TableEnd{"dividingFlow", 5, 5,
                               [](long double a) { return DividingLaminarFactor(0.5L, 0.25L, a); }},
                      TableEnd{"straightBreeches", 5, 7, [](long double a) { return StraightBreechesZeta(a); }},
                      TableEnd{"curvedBreeches", 5, 8, [](long double r) { return CurvedBreechesZeta(r); }},
                      TableEnd{"uBend", 6, 3, [](long double r) { return UBendZeta(r); }},
                      TableEnd{"cock", 7, 5, [](long double a) { return CockZeta(a); }},
                      TableEnd{"butterfly", 7, 6, [](long double a) { return ButterflyValveZeta(a); }},
                      TableEnd{"venturiFirst", 9, 7, [](long double n) { return VenturiNozzleZeta(n, 0); }},
                      TableEnd{"venturiSecond", 9, 7, [](long double n) { return VenturiNozzleZeta(n, 1); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::hydraulics
