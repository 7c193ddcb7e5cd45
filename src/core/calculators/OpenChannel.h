#pragma once

#include <optional>

// Uniform flow in open channels by the Manning-Strickler law, v = k_St·R_h^(2/3)·I^(1/2)
// (k_St in m^(1/3)/s, R_h = A/U the hydraulic radius in m, I the slope): the flow of a given
// channel, and the hydraulically optimal profile of each shape for a given flow. Valid for steady,
// uniform, fully turbulent flow.
namespace velmora::calculators {

enum class ChannelShape { Rectangle = 0, Trapezoid = 1, Semicircle = 2, Triangle = 3, AnyShape = 4 };
enum class SlopeGiven { Heights = 0, Angle = 1, Percent = 2 };

// Wall angles β against the horizontal, in degrees: trapezoid 0 < β ≤ 90, triangle 0 < β < 90.
bool WallAngleAllowed(ChannelShape shape, long double angle);

struct ChannelSection {
  long double area = 0;       // A
  long double perimeter = 0;  // U, wetted
};

// A and U of the shape from its inputs in one length unit: rectangle (B, H), trapezoid (B, H, β),
// semicircle (R), triangle (H, β), any shape (U, A). Trapezoid A = H·(B + B + 2H/tan β)/2,
// U = B + 2H/sin β; semicircle A = πR²/2, U = πR; triangle A = H²/tan β, U = 2H/sin β.
ChannelSection SectionOf(ChannelShape shape, long double first, long double second, long double third);

// The slope: |z1 − z2|/L, sin α (α in degrees) or percent/100.
long double Slope(SlopeGiven given, long double first, long double heightTwo, long double length);

struct ChannelFlow {
  long double hydraulicRadius = 0;  // m
  long double velocity = 0;         // m/s
  long double flow = 0;             // m³/s
};

// The section in metres (A in m², U in m).
ChannelFlow ManningStrickler(const ChannelSection& section, long double slope, long double strickler);

enum class OptimalShape { Rectangle = 0, Trapezoid = 1, Semicircle = 2, Triangle = 3 };

struct ChannelDesign {
  long double first = 0;     // rectangle and trapezoid B (bottom width), semicircle R, triangle H; m
  long double depth = 0;     // rectangle and trapezoid H; m (0 otherwise)
  long double area = 0;      // m²
  long double velocity = 0;  // v = Q/A, m/s
};

// The hydraulically optimal profile (R_h = H/2) for Q in m³/s, solved in closed form with
// K = k_St·√I: rectangle B = 2H, H = (2^(2/3)·Q/(2K))^(3/8); trapezoid of wall angle β with
// m = 1/tan β, k = 2√(m² + 1) − m, A = (2^(2/3)·Q·k^(1/3)/K)^(3/4), H = √(A/k), B = A/H − H·m;
// semicircle R = (2^(5/3)·Q/(πK))^(3/8); triangle with 45° walls
// H = (Q/((cos 45°)^(2/3)·0.5^(2/3)·K))^(3/8).
ChannelDesign DesignChannel(OptimalShape shape, long double flow, long double slope, long double strickler,
                            long double wallAngle);

}  // namespace velmora::calculators
