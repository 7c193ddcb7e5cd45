#pragma once

#include <optional>

// Density of water in IF97 region 3 (near the critical point), T in K, p in bar, ρ in kg/m³.
namespace velmora::fluids {

// Start density of the region-3 iteration (kg/m³): 77 below 170 bar, then linear between the points
// (170, 77), (180, 84), (200, 101), (220, 120), (240, 149), (250, 167), (300, 358), (400, 523),
// (500, 578), (600, 612), (700, 639), (800, 660), (900, 678), (1000, 693), each segment from its
// lower point (included) to its upper point (excluded), the last one up to 1000 bar included.
// Rough densities along 650 K, where the region is widest; only a start value.
long double Region3StartDensity(long double p);

// The region-3 pressure equation F(ρ) = δ (n₁/δ + Σ n I δ^(I−1) τ^J) − p/(ρ R T) of the IF97
// Helmholtz free energy (Table 30), δ = ρ/322 kg/m³, τ = 647.096 K/T, p/(ρ R T) with p in kPa.
long double Region3Residual(long double rho, long double T, long double p);

// IF97 region 3: ρ solving Region3Residual = 0, from Region3StartDensity(p) or, on the liquid side
// below 648 K and 221 bar (Tₛ(p) > T), from the region-1 density at 623 K; below 648 K a start
// that fails is retried from that liquid start. Valid 623.15 K ≤ T ≤
// 863.15 K, p_B23(T) ≤ p ≤ 1000 bar. Nothing on a numeric fault of the iteration.
std::optional<long double> DensityRegion3(long double T, long double p);

}  // namespace velmora::fluids
