#pragma once

#include <span>

// Sizing of a restriction orifice: the bore d (mm) of an orifice in a pipe of diameter D1 (mm) that
// produces a wanted pressure loss at a given flow. ζ is referred to the pipe velocity; the orifice
// laws are those of the throttling devices (hydraulics/ThrottlingDevices.h, OrificeLaws.h).
namespace velmora::calculators {

enum class OrificeKind { SharpEdged = 0, Rounded = 1, Thick = 2 };

// Inputs in the engineering units: flow m³/h, density kg/m³, dynamic viscosity 10⁻⁶ kg/(m·s),
// pipe diameter mm, inlet radius R (rounded kind) or bore length L (thick kind) mm, loss bar.
struct OrificeDesignInput {
  OrificeKind kind = OrificeKind::SharpEdged;
  long double flow = 0;
  long double density = 0;
  long double viscosity = 0;
  long double pipeDiameter = 0;
  long double edge = 0;
  long double pressureLoss = 0;
};

enum class OrificeDesignStatus {
  Bore,             // a bore was found
  NoOrificeNeeded,  // the wanted ζ lies at or below that of the widest orifice of the start table
  Failure,          // an arithmetic fault, a bore d ≤ 0 or an iteration that did not meet its equation
};

struct OrificeDesign {
  OrificeDesignStatus status = OrificeDesignStatus::Failure;
  long double pipeVelocity = 0;  // m/s
  long double pipeReynolds = 0;
  long double targetZeta = 0;    // ζ*, referred to the pipe velocity
  long double startBore = 0;     // d₀, mm
  long double bore = 0;          // d, mm (status Bore)
  int steps = 0;                 // secant steps taken
  bool converged = false;        // the last step was below 10⁻⁸ mm
  long double boreVelocity = 0;  // m/s, thick kind only
  long double boreReynolds = 0;  // thick kind only
  bool validityWarning = false;  // outside the law's Reynolds range (the result stands)
};

// One point of the start table: area ratio n = (d/D1)² and ζ of each kind.
struct StartPoint {
  long double n;
  long double zeta[3];
};
std::span<const StartPoint> StartTable();

// n₀(ζ*): linear in ζ between neighbouring points; 10⁻⁶ above the first point, 1 at or below the last.
long double StartAreaRatio(OrificeKind kind, long double targetZeta);

// ζ(d) of the kind for a trial bore d (mm), referred to the pipe velocity.
long double OrificeZetaOfBore(const OrificeDesignInput& input, long double pipeReynolds, long double bore);

// The design: v, Re and ζ*, the start bore, the secant iteration (step 10⁻⁸ mm, tolerance 10⁻⁸ mm,
// at most 100 steps) and the validity warning of the kind.
OrificeDesign DesignOrifice(const OrificeDesignInput& input);

}  // namespace velmora::calculators
