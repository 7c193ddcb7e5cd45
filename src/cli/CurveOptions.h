#pragma once

#include <optional>
#include <span>
#include <string>

#include "curve/PumpCurve.h"
#include "curve/SystemCurve.h"
#include "hydraulics/MainInput.h"

// The options of `velmora-calc curve`.
namespace velmora::cli {

enum class CurveFormat { Csv, Json };

struct CurveOptions {
  std::string file;
  curve::CurveRequest request;   // from, to, points, flow unit; psi with --us
  hydraulics::MainInput medium;  // density, viscosity, gas data
  CurveFormat format = CurveFormat::Csv;
  std::optional<curve::PumpPoints> pump;  // --pump, read (its problem, if any, is the caller's to say)
};

// Reads the arguments after "curve". Nothing, with `problem` saying why, for a missing file, an
// unknown or repeated option, a missing or unreadable value, an empty or inverted range, a negative
// start, more than curve::kMostPoints points, an unknown flow unit or format, a medium that is not
// above zero, gas data without --gas or --gas without them.
std::optional<CurveOptions> ReadCurveOptions(std::span<const char* const> arguments, std::string& problem);

}  // namespace velmora::cli
