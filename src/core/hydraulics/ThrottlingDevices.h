#pragma once

// Group 9, throttling devices in a pipe of diameter D with a bore d (mm), β = d/D; ζ is referred
// to the pipe velocity. Re is the pipe Reynolds number, Re₂ the one in the bore.
namespace velmora::hydraulics {

// ζ of a device with flow coefficient C: (√(1 − β⁴·(1 − C²))/(β²·C) − 1)², the pressure-loss
// coefficient that ISO 5167 (2003) gives for orifice plates from their C, here used for the
// nozzles as well.
long double FlowCoefficientZeta(long double beta, long double C);

// 9/1 ISO 5167 orifice plate: the Reader-Harris/Gallagher discharge coefficient with the tapping
// term 0.043·(1 − 0.11·A)·β⁴/(1 − β⁴), plus the small-pipe term below D = 71.12 mm. The equation
// of ISO 5167-2:2003 with its upstream-tapping term reduced to the constant 0.043 (the
// exponential terms in the tapping distance dropped) and without the downstream-tapping term.
// The standard states it for 50 ≤ D ≤ 1000 mm, 0.1 ≤ β ≤ 0.75 and Re ≥ 5000 (more for large β);
// the range note is given below Re = 5000 and above 10⁷.
long double OrificeDischargeCoefficient(long double beta, long double D, long double Re);

// 9/3 orifice with an inlet rounded to the radius r (mm), bore d: with t = tanh(13.9·r/d),
// (1 − n + √((0.5 − 0.47·t)·(1 − n)))²/n². Empirical: 0.5 − 0.47·t is the inlet coefficient of
// the rounded edge, from 0.5 (sharp) to about 0.03 from r/d ≈ 0.2 on; Re ≥ 3000 (range note).
long double RoundedOrificeZeta(long double n, long double r, long double d);

// 9/4 thick orifice (perforated disc) of length l (mm) and bore d; Re₂ in the bore. Valid in
// both regimes: the thick-edged orifice law of OrificeLaws.h, with the bore friction
// λ = 0.22·Re₂^−0.2 (empirical) above Re₂ = 2300 and 64/Re₂ (Hagen–Poiseuille) below; the range
// note is given below Re₂ = 4000.
long double ThickOrificeZeta(long double beta, long double l, long double d, long double Re2);

// 9/5 ISA 1932 nozzle: C = 0.99 − 0.2262·β^4.1 − (0.00175·β² − 0.0033·β^4.15)·(10⁶/Re)^1.15,
// the equation of ISO 5167-3:2003, stated there for 50 ≤ D ≤ 500 mm, 0.3 ≤ β ≤ 0.8 and
// Re ≤ 10⁷ (from 7·10⁴ below β = 0.44, from 2·10⁴ above).
long double NozzleDischargeCoefficient(long double beta, long double Re);

// 9/6 long-radius nozzle: C = 0.9965 − 0.00653·√β·√(10⁶/Re), the equation of ISO 5167-3:2003,
// stated there for 50 ≤ D ≤ 630 mm, 0.2 ≤ β ≤ 0.8 and 10⁴ ≤ Re ≤ 10⁷.
long double LongRadiusNozzleDischargeCoefficient(long double beta, long double Re);

// 9/7 venturi nozzle: ζ over n = β², 0.1 … 0.6, from the first (option 0) or second table, one for
// each diffuser angle the element offers; tabulated, both regimes.
long double VenturiNozzleZeta(long double n, int option);

}  // namespace velmora::hydraulics
