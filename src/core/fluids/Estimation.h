#pragma once

#include <optional>
#include <span>
#include <vector>

#include "fluids/SubstanceDatabase.h"

// Properties estimated from a few substance constants (STBERE.STW): the state by a vapour pressure
// estimated from the normal boiling point, the gas by Soave–Redlich–Kwong and a corresponding-
// states viscosity with Gardner's correction, the liquid by the Rackett equation with Chang and
// Zhao's compressed-liquid factor and by a stored viscosity correlation or Przezdziecki and
// Sridhar's estimate with Lucas's pressure correction; mixtures of up to four substances. T in K,
// p in bar absolute, ρ in kg/m³, μ in 10⁻⁶ kg/(m·s).
namespace velmora::fluids {

// The resolved constants of a substance: Z_RA and ω estimated when not stored.
struct EstimationConstants {
  long double molarMass = 0;             // g/mol
  long double meltingTemperature = 0;    // K
  long double boilingTemperature = 0;    // K, normal boiling point
  long double criticalTemperature = 0;   // K
  long double criticalPressure = 0;      // bar
  long double criticalVolume = 0;        // cm³/mol
  long double referenceDensity = 0;      // ρ_R, g/cm³
  long double referenceTemperature = 0;  // T_R, K
  long double rackettParameter = 0;      // Z_RA
  long double acentricFactor = 0;        // ω
};

// Lee–Kesler acentric factor from the normal boiling point, θ = T_b/Tc:
// ω = (−ln(pc/1.01325) − 5.92714 + 6.09648/θ + 1.28862 ln θ − 0.169347 θ⁶) /
//     (15.2518 − 15.6875/θ − 13.4721 ln θ + 0.43577 θ⁶).
long double EstimatedAcentricFactor(long double Tb, long double Tc, long double pc);

// Vapour pressure (bar) estimated from the normal boiling point Tb: log10(p/Torr) = 2.880814 +
// (Tb − 0.002997 Tb^1.6606)(T − Tb)/(0.576 Tb^0.8303 (T − 0.002997 Tb^1.6606)), the Antoine
// curve of BoilingPointAtPressure through 760 Torr at Tb; valid above 0.002997 Tb^1.6606.
long double EstimatedVapourPressure(long double T, long double Tb);

// Low-pressure gas viscosity by corresponding states, v = Vc/1000, s = v − 0.074572,
// D = 1 + 1.24161 s (1 − Tc/T)²: μ = exp(½ ln(Tc M) − ⅔ ln(v (1 − 0.0339 s)) + 0.590872 ln(T/(D Tc))
// − 0.612107 D Tc/T + 0.130849 (D Tc/T)² − 0.782538)/10; a few per cent for non-polar gases.
long double LowPressureGasViscosity(const EstimationConstants& c, long double T);

// Saturated-liquid density by Rackett (Spencer–Danner), ρ_s = 1000 ρ_R / Z_RA^((1 − T/Tc)^(2/7) −
// (1 − T_R/Tc)^(2/7)), compressed by Chang and Zhao (1990), which scales the saturated volume by
// (A + 2.81^((1.1 − Tr)^B) Δ)/(A + 2.81 Δ) ≤ 1: ρ = ρ_s (A + 2.81 Δ)/(A + 2.81^((1.1 − Tr)^B) Δ),
// Tr = T/Tc, A = 99.42 + 6.502 Tr − 78.68 Tr² − 75.18 Tr³ + 41.49 Tr⁴ + 7.257 Tr⁵,
// B = 0.38144 − 0.30144 ω − 0.08457 ω², Δ = (p − p_s(T))/pc. Below Tc.
long double LiquidDensity(const EstimationConstants& c, long double p, long double T);

// Przezdziecki–Sridhar liquid viscosity with the melting temperature T_f: V_f = 1000 M/ρ(p, T_f),
// V₀ = 0.0085 ω Tc − 2.02 + V_f/(0.342 T_f/Tc + 0.894), E = −1.12 + Vc/(12.94 + 0.1 M − 0.23 pc +
// 0.0424 T_f − 11.58 T_f/Tc), μ = 1000 V₀/(E (1000 M/ρ − V₀)); some 10 to 20 % for simple liquids.
long double LiquidViscosityEstimate(const EstimationConstants& c, long double p, long double rho);

// The stored correlation, by type: 1 A T^B·1000; 2 exp(A + B/T)·1000; 3 exp(A + B/T + C T + D T²)·1000;
// 5 exp(A + B/(C − T) + D ln T)·10⁶; 6 exp(A + B/T + C ln T + D/T³)·10⁶ (DIPPR 101); 0 otherwise.
long double LiquidViscosityCorrelation(const SubstanceRecord& s, long double T);

// Lucas's pressure correction of a liquid viscosity, Tr = T/Tc, Δ = (p − 1.013)/pc:
// a = 0.9991 − 4.674·10⁻⁴/(1.0523 Tr^−0.03877 − 1.0513), d = 0.3257/(1.0039 − Tr^2.573)^0.2906 − 0.2086,
// c = −0.07921 + 2.1616 Tr − 13.404 Tr² + 44.1706 Tr³ − 84.8291 Tr⁴ + 96.1209 Tr⁵ − 59.8127 Tr⁶ +
// 15.6719 Tr⁷: μ_p = μ (1 + d (Δ/2.118)^a)/(1 + c ω Δ).
long double LiquidViscosityAtPressure(const EstimationConstants& c, long double mu, long double p, long double T);

// Pressure limits of the estimation, bar absolute; above 1.013 bar the pressure corrections apply.
inline constexpr long double kEstimateLowestPressure = 0.1L;
inline constexpr long double kEstimateHighestPressure = 1000.0L;
inline constexpr long double kEstimateNormalPressure = 1.013L;

enum class EstimatedPhase { Liquid, Gas, Supercritical };

enum class EstimateRefusal {
  None,
  PressureTooLow,       // below 0.1 bar
  PressureTooHigh,      // above 1000 bar
  NegativeTemperature,  // below 0 K
  BelowMeltingPoint,    // below t_m (of `component` in a mixture)
  MissingConstants,     // `missing` names them (of `component` in a mixture)
  TooFewComponents,     // a mixture of fewer than two substances
  FractionsSum,         // the fractions do not add up to 100 %
  PhaseDiffers,         // a component's own state is not the mixture's
  NumericFault,
};

struct EstimatedState {
  EstimatedPhase phase = EstimatedPhase::Gas;
  std::optional<long double> density;    // nothing: no data (a value that is not positive)
  std::optional<long double> viscosity;  // likewise
  bool viscosityEstimated = false;       // Przezdziecki–Sridhar instead of the stored correlation
};

struct EstimateOutcome {
  EstimateRefusal refusal = EstimateRefusal::None;
  int component = -1;             // the mixture slot a refusal concerns
  std::vector<Constant> missing;  // with MissingConstants
  std::optional<EstimationConstants> constants;
  std::optional<EstimatedState> state;
  // The boiling point at p, K; nothing at or above pc (a mixture: no boiling point below T_pc).
  std::optional<long double> boilingPoint;
  long double pseudoCriticalTemperature = 0;  // mixtures: Σ xᵢ Tc,ᵢ
};

// The constants a substance lacks for a state (M, t_m, t_b, Tc, pc always; Vc for a gas; ρ_R and
// T_R for a liquid, Vc too when its viscosity is estimated); resolved constants when none lacks.
std::vector<Constant> MissingForEstimate(const SubstanceRecord& s);
std::optional<EstimationConstants> ResolveConstants(const SubstanceRecord& s);

// One substance at (p, T): the checks in the dialog's order, the state (liquid when the estimated
// vapour pressure lies below p; above Tc gas, also above pc supercritical), then density and viscosity.
EstimateOutcome EstimateSubstance(const SubstanceRecord& s, long double p, long double T);

enum class FractionKind { Mass, Mole };

struct MixtureComponent {
  const SubstanceRecord* substance = nullptr;  // nullptr: an empty slot
  long double fraction = 0;                    // %
};

// A mixture of the filled slots: at least two, fractions summing to 100 ± 0.00001 %; mole
// fractions from mass fractions by nᵢ = wᵢ/Mᵢ. Liquid when p > p_mix(T) = Σ xᵢ p_s,ᵢ(T) and T at
// most T_pc; every component alone (liquid when p ≥ its p_s(T), up to its Tc) must be in that
// state. ρ = Σ xᵢ Mᵢ / Σ xᵢ Mᵢ/ρᵢ; liquid log10 μ = Σ xᵢ log10 μᵢ, gas μ = Σ xᵢ μᵢ √Mᵢ / Σ xᵢ √Mᵢ.
// The boiling point at p is searched by steps of 100, 1 and 0.1 K, bounded by T_pc (and downwards
// by the lowest temperature the vapour-pressure estimate holds at): nothing when it lies above T_pc.
EstimateOutcome EstimateMixture(std::span<const MixtureComponent> components, FractionKind kind, long double p,
                                long double T);

}  // namespace velmora::fluids
