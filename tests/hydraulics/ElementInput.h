#pragma once

#include <initializer_list>

#include "hydraulics/CrossSection.h"
#include "hydraulics/ElementCalculation.h"
#include "hydraulics/MainInput.h"

namespace velmora::hydraulics::testing {

// An element with its slots 1 … 5 in order, water at 20 °C by default and a flow of 36 m³/h.
inline MainInput Element(int group, int kind, std::initializer_list<long double> slots) {
  MainInput in;
  in.ElementGroup = group;
  in.ElementKind = kind;
  long double* const targets[] = {&in.Input1, &in.Input2, &in.Input3, &in.Input4, &in.Input5};
  int i = 0;
  for (const long double v : slots) *targets[i++] = v;
  in.VolumeFlow = 36;
  in.Density = 998.2L;
  in.Viscosity = 1002;
  return in;
}

// The flow (m³/h) that gives the circular pipe of diameter d (mm) the Reynolds number Re.
inline long double FlowForReynolds(const MainInput& in, long double d, long double Re) {
  const long double v = Re * in.Viscosity / (in.Density * d * 1000.0L);
  return v * d * Pi * d * 36.0L / 40000.0L;
}

// The same element at the pipe Reynolds number Re of its first (circular) section.
inline MainInput AtReynolds(MainInput in, long double Re) {
  in.VolumeFlow = FlowForReynolds(in, in.Input1, Re);
  return in;
}

}  // namespace velmora::hydraulics::testing
