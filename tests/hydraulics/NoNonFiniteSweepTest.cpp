// Sweeps over all 65 kinds: a calculation yields finite numbers or the calculation error (or the
// gas limit), never NaN or infinity.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "hydraulics/ElementCalculation.h"
#include "hydraulics/ElementKinds.h"
#include "hydraulics/InputLimits.h"

namespace velmora::hydraulics {
namespace {

class Draw {
 public:
  explicit Draw(std::uint64_t seed) : engine_(seed) {}
  long double Uniform(long double lo, long double hi) {
    return lo + (hi - lo) * static_cast<long double>(std::uniform_real_distribution<double>(0, 1)(engine_));
  }
  long double LogUniform(long double lo, long double hi) { return std::exp(Uniform(std::log(lo), std::log(hi))); }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937_64 engine_;
};

// Inputs that the main window's element checks accept, with flows from creeping to very fast.
MainInput ValidInput(const ElementKindInfo& kind, Draw& d) {
  MainInput in;
  in.ElementGroup = kind.Group;
  in.ElementKind = kind.Kind;
  in.Count = 1 + d.Pick(5);
  in.Option = d.Pick(2);
  in.VolumeFlow = d.LogUniform(1e-4L, 1e5L);
  in.Density = d.LogUniform(0.05L, 2000);
  in.Viscosity = d.LogUniform(5, 1e6L);
  if (d.Pick(3) == 0) {
    in.Gas = true;
    in.InletPressure = d.LogUniform(0.2L, 100);
    in.InletTemperature = d.Uniform(200, 700);
    in.OutletTemperature = in.InletTemperature * d.Uniform(0.8L, 1.2L);
  }
  const long double D = d.LogUniform(10, 2000);
  const long double B = d.LogUniform(10, 2000);
  const long double H = B * d.Uniform(0.2L, 8);
  const long double L = d.LogUniform(0.01L, 1000);
  const long double pct = d.Uniform(1, 98.99L);
  const long double k = d.Pick(3) == 0 ? 0 : d.LogUniform(1e-4L, 5);
  in.Input6 = k;
  auto set = [&in](long double a, long double b = 0, long double c = 0, long double e = 0, long double f = 0) {
    in.Input1 = a;
    in.Input2 = b;
    in.Input3 = c;
    in.Input4 = e;
    in.Input5 = f;
  };
  const int key = kind.Group * 10 + kind.Kind;
  switch (key) {
    case 11: set(D, L); break;
    case 12:
    case 14: set(B, H, L); break;
    case 13: set(D, D / d.Uniform(1.01L, 100), L); break;
    case 15: {
      const long double t = D * d.Uniform(0.0455L, 0.3L);
      const long double T = t / d.Uniform(0.2L, 1.2L);
      set(D, t, T, T / 1000 + L);
      break;
    }
    case 16: {
      const long double A = d.LogUniform(1e-4L, 10);
      set(A, std::sqrt(4 * 3.14159L * A) * d.Uniform(1, 5), L);
      break;
    }
    case 21:
    case 22:
    case 24: set(D); break;
    case 23: set(D, d.Uniform(0, 89.9L)); break;
    case 31: set(D, D * d.Uniform(1.01L, 10)); break;
    case 32: set(D, D * d.Uniform(1.01L, 10), d.Uniform(1, 89.9L)); break;
    case 33: set(D, D * d.Uniform(0.1L, 0.99L)); break;
    case 34: set(D, D * d.Uniform(0.1L, 0.99L), d.Uniform(1, 89.9L)); break;
    case 41: set(D, D * d.Uniform(1, 10), d.Uniform(15, 180)); break;
    case 42: set(D, d.Uniform(0.1L, 90)); break;
    case 43: set(d.Uniform(50, 500)); break;
    case 44: set(B, H, B * d.Uniform(1, 10), d.Uniform(1, 180)); break;
    case 45: set(D, d.Uniform(1, 180)); break;
    case 46: set(B, H, d.Uniform(1, 180)); break;
    case 51: set(D, D * d.Uniform(0.1L, 1)); break;
    case 52:
    case 53:
    case 54: set(D); break;
    case 55:
    case 56:
      set(D, D * d.Uniform(0.1L, 2), D * d.Uniform(0, 2), d.Uniform(1, 179));
      in.BranchFlow = in.VolumeFlow * d.Uniform(0, 0.999L);
      break;
    case 57: set(D, d.Uniform(0.1L, 90)); break;
    case 58: set(D, D * d.Uniform(0.5L, 2)); break;
    case 61: set(D, d.Uniform(0.1L, 20)); break;
    case 62: set(D); break;
    case 63: set(D, D * d.Uniform(0, 10)); break;
    case 71:
    case 72:
    case 73: set(D); break;
    case 74: set(D, D * d.Uniform(0.01L, 1)); break;
    case 75: set(D, d.Uniform(0, 50)); break;
    case 76: set(D, d.Uniform(0, 70)); break;
    case 81:
    case 82:
    case 83: set(D); break;
    case 91: {
      const long double D1 = d.Uniform(50, 1000);
      set(D1, D1 * d.Uniform(std::max(0.1L, 12.5L / D1), 0.75L));
      break;
    }
    case 92: set(D, D * d.Uniform(0.05L, 0.95L)); break;
    case 93: set(D, D * d.Uniform(0.05L, 0.95L), d.Uniform(0, 20)); break;
    case 94: set(D, D * d.Uniform(0.05L, 0.95L), d.LogUniform(0.1L, 100)); break;
    case 95: {
      const long double D1 = d.Uniform(50, 500);
      set(D1, D1 * d.Uniform(0.3L, 0.8L));
      break;
    }
    case 96: {
      const long double D1 = d.Uniform(50, 630);
      set(D1, D1 * d.Uniform(0.2L, 0.8L));
      break;
    }
    case 97: set(D, D * std::sqrt(d.Uniform(0.1L, 0.6L))); break;
    case 101:
    case 111:
    case 113:
    case 115: set(D, pct); break;
    case 102:
    case 112:
    case 114:
    case 116: set(B, H, pct); break;
    case 103: set(D, d.LogUniform(0.5L, 50), d.LogUniform(0.1L, 50), pct); break;
    case 104: set(B, H, d.LogUniform(0.5L, 50), d.LogUniform(0.1L, 50), pct); break;
    case 117:
    case 118:
    case 119: set(D); break;
    case 121: set(D, d.Uniform(0, 100)); break;
    case 122: set(B, H, d.Uniform(0, 100)); break;
    case 131: set(d.Uniform(-100, 100)); break;
    case 132: set(D, d.LogUniform(10, 2000)); break;
    case 133: set(B, H, d.LogUniform(10, 2000), d.LogUniform(10, 2000)); break;
    default: ADD_FAILURE() << "no generator for " << key;
  }
  return in;
}

bool AllFinite(const ElementResult& r) {
  for (const long double v : {r.Velocity, r.Velocity2, r.HydraulicDiameter, r.Reynolds, r.Reynolds2, r.Lambda, r.Zeta,
                              r.Zeta2, r.PressureLoss, r.BranchPressureLoss}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

TEST(Sweep, ValidInputsOfEveryKindGiveFiniteResults) {
  Draw d(20240601);
  int gasLimits = 0;
  for (const ElementKindInfo& kind : ElementKinds()) {
    for (int i = 0; i < 1500; ++i) {
      const MainInput in = ValidInput(kind, d);
      // (The dividing flow's angle limit of 90° holds in laminar flow only.)
      ASSERT_EQ(FindLimitBreach(in, false), nullptr) << kind.Group << "/" << kind.Kind;
      const ElementOutcome o = CalculateElement(in);
      ASSERT_FALSE(o.Error) << kind.Group << "/" << kind.Kind << " sample " << i << ": " << o.ErrorReason;
      if (o.GasLimit) {
        ++gasLimits;
        continue;
      }
      ASSERT_TRUE(AllFinite(o.result)) << kind.Group << "/" << kind.Kind << " sample " << i;
    }
  }
  EXPECT_GT(gasLimits, 0);
}

TEST(Sweep, HostileInputsNeverLeakNonFiniteValues) {
  Draw d(7);
  const long double specials[] = {0,
                                  -1,
                                  1e-300L,
                                  -1e-300L,
                                  1e300L,
                                  -1e300L,
                                  1e4900L,
                                  -1e4900L,
                                  std::numeric_limits<long double>::quiet_NaN(),
                                  std::numeric_limits<long double>::infinity(),
                                  2320,
                                  0.5L};
  auto any = [&]() -> long double {
    return d.Pick(3) == 0 ? specials[d.Pick(static_cast<int>(std::size(specials)))] : d.Uniform(-500, 5000);
  };
  int errors = 0;
  for (int i = 0; i < 200000; ++i) {
    MainInput in;
    const ElementKindInfo& kind = ElementKinds()[static_cast<std::size_t>(d.Pick(ElementKindCount))];
    in.ElementGroup = d.Pick(40) == 0 ? d.Pick(16) : kind.Group;
    in.ElementKind = kind.Kind;
    in.Input1 = any();
    in.Input2 = any();
    in.Input3 = any();
    in.Input4 = any();
    in.Input5 = any();
    in.Input6 = any();
    in.VolumeFlow = any();
    in.BranchFlow = any();
    in.Density = any();
    in.Viscosity = any();
    in.Count = d.Pick(4);
    in.Option = d.Pick(3) - 1;
    in.Gas = d.Pick(2) == 0;
    in.InletPressure = any();
    in.InletTemperature = any();
    in.OutletTemperature = any();
    CalculationOptions options;
    options.SystemCurveMode = d.Pick(2) == 0;
    if (d.Pick(2) == 0) options.StoredZeta = any();
    const ElementOutcome o = CalculateElement(in, options);
    if (o.Error) {
      ++errors;
      ASSERT_NE(o.ErrorReason, nullptr);
      continue;
    }
    ASSERT_EQ(o.ErrorReason, nullptr);
    if (!o.GasLimit) ASSERT_TRUE(AllFinite(o.result)) << in.ElementGroup << "/" << in.ElementKind;
  }
  EXPECT_GT(errors, 0);
}

}  // namespace
}  // namespace velmora::hydraulics
