#pragma once

#include <array>
#include <optional>
#include <vector>

// The pump quick design of a plant with one suction line and one pressure line between two
// vessels: the pressure at the pump on both sides, the pump's pressure difference and head, the
// available NPSH and the hydraulic power. Base units: bar (absolute), m, mm, m³/h, kg/m³,
// 10⁻⁶ kg/(m·s).
namespace velmora::calculators {

// The six standard fittings of a line, in the order of the result rows.
enum class PumpFitting { Bend, Cock, GlobeValve, GateValve, LiftCheckValve, SwingCheckValve };
inline constexpr int kPumpFittings = 6;
inline constexpr int kPumpElements = 3;

// One further element of a line: a count and either its ζ or its pressure loss (bar); a given
// pressure loss counts, the ζ is then ignored.
struct PumpElementInput {
  long double count = 0;
  long double zeta = 0;
  std::optional<long double> pressureLoss;
};

struct PumpLineInput {
  long double vesselPressure = 0;                     // bar absolute
  long double height = 0;                             // m; suction side: positive for inflow, negative for suction lift
  long double length = 0;                             // m
  long double diameter = 0;                           // mm
  std::array<long double, kPumpFittings> fittings{};  // counts, PumpFitting order
  std::array<PumpElementInput, kPumpElements> elements{};
};

struct PumpLineResult {
  long double velocity = 0;  // m/s
  long double reynolds = 0;
  long double lambda = 0;
  bool laminar = false;                                    // Re < 2320: λ = 64/Re
  long double vesselPressure = 0;                          // bar
  long double geodeticPressure = 0;                        // bar
  long double pipeLoss = 0;                                // bar
  std::array<long double, kPumpFittings> fittingLosses{};  // bar, PumpFitting order
  std::array<long double, kPumpElements> elementLosses{};  // bar
  long double pumpPressure = 0;                            // bar absolute at the pump (p_S or p_D)
};

struct PumpDesignInput {
  long double flow = 0;            // m³/h
  long double density = 0;         // kg/m³
  long double viscosity = 0;       // 10⁻⁶ kg/(m·s)
  long double roughness = 0;       // mm
  long double vapourPressure = 0;  // bar
  PumpLineInput suction;
  PumpLineInput pressure;
};

struct PumpDesignResult {
  PumpLineResult suction;
  PumpLineResult pressure;
  long double pressureDifference = 0;  // bar, p_D − p_S
  long double head = 0;                // m
  long double npsh = 0;                // m, available
  long double power = 0;               // kW, hydraulic
};

// The ζ of a standard fitting at the line's Re, λ and diameter d (mm) with roughness k (mm): the
// 90° bend by BendZeta with R = 1.5·d (laminar: the laminar bend law with R = d), cock and gate
// valve 0.1, the globe, lift check and swing check valves by Hooper's two-K constants.
long double PumpFittingZeta(PumpFitting fitting, bool laminar, long double Re, long double lambda, long double d,
                            long double k);

// One line: v and Re of the circular pipe, λ = 64/Re below Re 2320 else Colebrook-White, the pipe
// loss by Darcy–Weisbach, the geodetic pressure ρ·9.81·H, each fitting count·ζ·ρv²/2 and each
// element count·ζ·ρv²/2 or count·Δp. The pump pressure is the vessel pressure plus the geodetic
// pressure, minus the losses on the suction side and plus them on the pressure side.
PumpLineResult CalculatePumpLine(const PumpLineInput& line, bool suctionSide, const PumpDesignInput& medium);

// Head of a pressure difference (bar) for density ρ: H = Δp·10.2/ρ·1000 m, 10.2 m of water column
// per bar at 1000 kg/m³ (10⁵ Pa / (1000 kg/m³ · 9.80665 m/s²) = 10.197 m, rounded).
long double HeadOfPressure(long double pressureBar, long double rho);

// The whole plant. The available NPSH is (p_S − p_v)/(ρ·g) with the total pressure p_S at the pump
// inlet, which already holds the velocity head: it is not added a second time. The hydraulic power
// is ρ·g·Q·H, written ρ/1000·Q·H/367 kW with Q in m³/h (367 = 3600/9.81).
PumpDesignResult CalculatePumpDesign(const PumpDesignInput& input);

// One point of the plant's curve: the pressure the pump must add (bar) at a flow (m³/h).
struct PumpCurvePoint {
  long double flow = 0;
  long double pressure = 0;
};

// The plant's curve over 0 … 1.5 Q in `points` steps: the static part (vessels and heights) plus
// both lines' losses at each flow; at Q = 0 the static part alone. Points that cannot be calculated
// are left out.
std::vector<PumpCurvePoint> PumpSystemCurve(const PumpDesignInput& input, int points);

// The dynamic viscosity above which the design notes a high viscosity: 39 mPa·s, in 10⁻⁶ kg/(m·s).
inline constexpr long double kHighViscosity = 39000.0L;

}  // namespace velmora::calculators
