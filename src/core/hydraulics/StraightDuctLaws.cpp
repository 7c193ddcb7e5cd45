// Group 1, straight ducts: laminar and turbulent friction factors, ζ = λ·L/dh·1000.
#include "hydraulics/ElementLaws.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/PressureLoss.h"

namespace velmora::hydraulics::laws {

namespace {

// The duct length L (m): Input2 for 1/1, Input4 for 1/5, Input3 for the others.
long double DuctLength(const MainInput& in) {
  switch (in.ElementKind) {
    case 1: return in.Input2;
    case 5: return in.Input4;
    default: return in.Input3;
  }
}

long double LaminarLambda(const LawInput& x) {
  const MainInput& in = x.In;
  const long double Re = x.Flow.Reynolds;
  switch (in.ElementKind) {
    case 2:
    case 4: return LaminarLambdaRectangular(in.Input1, in.Input2, Re);
    case 3: return LaminarLambdaAnnular(in.Input2, in.Input1, Re);
    default: return 64.0L / Re;  // Hagen–Poiseuille, laminar flow in a circular pipe
  }
}

LawOutput StraightDuct(const LawInput& x) {
  const MainInput& in = x.In;
  const ElementResult& f = x.Flow;
  const long double L = DuctLength(in);
  const long double dh = f.HydraulicDiameter;
  const long double v = f.Velocity;
  LawOutput out;
  if (x.Laminar) {
    out.Lambda = LaminarLambda(x);
    out.Zeta = PipeZeta(out.Lambda, L, dh);
    // Darcy–Weisbach as PipePressureLoss, its product kept in the laminar branch's own order.
    out.PressureLoss = out.Lambda * L * in.Density * v * v * 0.01L / (2.0L * dh);
    return out;
  }
  out.Lambda = in.ElementKind == 5 ? CorrugatedLambda(in.Input1, in.Input2, in.Input3, f.Reynolds)
                                   : ColebrookLambda(dh, f.Reynolds, in.Input6);
  out.Zeta = PipeZeta(out.Lambda, L, dh);
  out.PressureLoss = PipePressureLoss(dh, v, in.Density, L, out.Lambda);
  return out;
}

}  // namespace

Law StraightDuctLaw(int kind) { return kind >= 1 && kind <= 6 ? &StraightDuct : nullptr; }

}  // namespace velmora::hydraulics::laws
