#pragma once

// Groups 6 to 8: compensators, shut-off and control valves, check valves. D is the nominal
// (pipe) diameter in mm, Re the pipe Reynolds number, angles in degrees.
namespace velmora::hydraulics {

// The two-constant law ζ = K1/Re + K∞·(1 + 25.4/D) of the Reynolds-dependent valves (7/1, 7/2, 8/1,
// 8/3): Hooper's 2-K method (W. B. Hooper, Chemical Engineering, 1981), K∞·(1 + 1/D) with D in
// inches; both regimes.
long double TwoKZeta(long double K1, long double KInfinity, long double Re, long double D);

// fT(D), the friction factor by nominal size: 0.027 up to 15 mm, falling to 0.012 from 450 mm on.
// The fT of clean commercial steel pipe in fully turbulent flow of Crane TP-410, by nominal size
// ½ … 24 in. (DN 15 … 600), interpolated between the sizes.
long double NominalSizeFrictionFactor(long double D);

// 6/3 U-bend: ζ over L/D, 0.33 at 0 falling to 0.21 at 2 and beyond; tabulated, both regimes.
long double UBendZeta(long double ratio);

// 7/1 straight-seat globe valve: 1500/Re + 4·(1 + 25.4/D), Hooper's constants of the standard globe valve.
long double GlobeValveZeta(long double Re, long double D);

// 7/2 oblique-seat globe valve: 1000/Re + 2·(1 + 25.4/D), Hooper's constants of the angle or
// Y-pattern globe valve.
long double ObliqueGlobeValveZeta(long double Re, long double D);

// 7/4 gate valve of opening x = H/D: with θ = arccos x,
// 3.5·(1/(1 − (θ − x·√(1 − x²))·2/π) − 1)² + 0.78. Empirical, 0 < x ≤ 1, turbulent flow.
long double GateValveZeta(long double x);

// 7/5 cock: ζ over the closing angle, 0 … 50°; tabulated, turbulent flow.
long double CockZeta(long double angle);

// 7/6 butterfly valve: ζ over the closing angle, 0 … 70°; tabulated, turbulent flow.
long double ButterflyValveZeta(long double angle);

// 8/1 straight-seat lift check valve: 2000/Re + 10·(1 + 25.4/D), Hooper's constants of the lift
// check valve.
long double LiftCheckValveZeta(long double Re, long double D);

// 8/3 swing check valve: 1500/Re + 1.5·(1 + 25.4/D), Hooper's constants of the swing check valve.
long double SwingCheckValveZeta(long double Re, long double D);

}  // namespace velmora::hydraulics
