#include "hydraulics/Inlets.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"

namespace velmora::hydraulics {

long double InletZetaInfinity(int kind, int option, long double delta) {
  switch (kind) {
    case 1: return option == 0 ? 0.5L : 0.25L;
    case 2: return 0.05L;
    case 3: {
      const long double c = std::cos(Radians(delta));
      return 0.5L + 0.3L * c + 0.2L * c * c;
    }
    case 4: return option == 0 ? 3.0L : 1.0L;
    default: return 0.0L;
  }
}

namespace laws {

namespace {

LawOutput Inlet(const LawInput& x) {
  const long double zetaInfinity = InletZetaInfinity(x.In.ElementKind, x.Option, x.In.Input2);
  return Fitting(x.Laminar ? InletLaminarZeta(zetaInfinity, x.Flow.Reynolds) : zetaInfinity, x);
}

}  // namespace

Law InletLaw(int kind) { return kind >= 1 && kind <= 4 ? &Inlet : nullptr; }

}  // namespace laws

}  // namespace velmora::hydraulics
