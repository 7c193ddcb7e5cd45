#include "CurveOptions.h"

#include <map>
#include <string_view>

#include "curve/CurveMessages.h"
#include "curve/CurveUnits.h"
#include "units/Numbers.h"

namespace velmora::cli {
namespace {

// The main window's first medium: water at 20 °C.
constexpr long double kDefaultDensity = 998.2L;     // kg/m³
constexpr long double kDefaultViscosity = 1002.0L;  // 10⁻⁶ kg/(m·s)
constexpr int kDefaultPoints = 20;                  // the range dialog's first value

// Options that take a value; --us and --gas stand alone.
constexpr std::string_view kValued[] = {"--from",
                                        "--to",
                                        "--points",
                                        "--unit",
                                        "--format",
                                        "--pump",
                                        "--density",
                                        "--viscosity",
                                        "--inlet-pressure",
                                        "--inlet-temperature",
                                        "--outlet-temperature"};
constexpr std::string_view kFlags[] = {"--us", "--gas"};

template <std::size_t N>
bool OneOf(std::string_view name, const std::string_view (&names)[N]) {
  for (const std::string_view n : names) {
    if (n == name) return true;
  }
  return false;
}

struct Reader {
  std::map<std::string, std::string, std::less<>> values;
  std::string& problem;

  bool Has(std::string_view name) const { return values.find(name) != values.end(); }

  // The number of an option; `fallback` when it is not given. False after saying why.
  bool Number(std::string_view name, long double fallback, long double& out) {
    const auto found = values.find(name);
    if (found == values.end()) {
      out = fallback;
      return true;
    }
    const auto value = units::ParseNumber(found->second);
    if (!value || found->second.empty()) {
      problem = std::string(name) + ": not a number: \"" + found->second + "\"";
      return false;
    }
    out = *value;
    return true;
  }

  bool Positive(std::string_view name, long double fallback, long double& out) {
    if (!Number(name, fallback, out)) return false;
    if (out > 0) return true;
    problem = std::string(name) + " must be greater than 0";
    return false;
  }
};

}  // namespace

std::optional<CurveOptions> ReadCurveOptions(std::span<const char* const> arguments, std::string& problem) {
  CurveOptions options;
  Reader read{{}, problem};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) {
      if (!options.file.empty()) {
        problem = "more than one project file: \"" + std::string(argument) + "\"";
        return std::nullopt;
      }
      options.file = std::string(argument);
      if (options.file.empty()) {
        problem = "an empty project file name";
        return std::nullopt;
      }
      continue;
    }
    // --name=value or --name value.
    std::string name(argument);
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (OneOf(name, kFlags)) {
      if (value) {
        problem = name + " takes no value";
        return std::nullopt;
      }
      value = "";
    } else if (!OneOf(name, kValued)) {
      problem = "unknown option " + name;
      return std::nullopt;
    } else if (!value) {
      if (i + 1 == arguments.size()) {
        problem = name + " needs a value";
        return std::nullopt;
      }
      value = arguments[++i];
    }
    if (read.Has(name)) {
      problem = name + " given twice";
      return std::nullopt;
    }
    read.values.emplace(name, *value);
  }

  if (options.file.empty()) {
    problem = "no project file given";
    return std::nullopt;
  }
  for (const char* required : {"--from", "--to"}) {
    if (!read.Has(required)) {
      problem = std::string(required) + " is missing";
      return std::nullopt;
    }
  }
  curve::CurveRequest& request = options.request;
  long double points = 0;
  if (!read.Number("--from", 0, request.from) || !read.Number("--to", 0, request.to) ||
      !read.Number("--points", kDefaultPoints, points)) {
    return std::nullopt;
  }
  if (request.from < 0) {
    problem = "--from must not be negative";
    return std::nullopt;
  }
  if (!(request.to > request.from)) {
    problem = "--to must be greater than --from";
    return std::nullopt;
  }
  // Fewer than two points are ten, as in the range dialog.
  const long double count = points < 2 ? 10 : units::RoundHalfAway(points);
  if (count > curve::kMostPoints) {
    problem = "--points must not exceed " + std::to_string(curve::kMostPoints);
    return std::nullopt;
  }
  request.points = static_cast<int>(count);
  if (read.Has("--unit")) {
    request.flowUnit = curve::FindCurveFlowUnit(read.values["--unit"]);
    if (request.flowUnit < 0) {
      problem = "unknown flow unit \"" + read.values["--unit"] + "\"";
      return std::nullopt;
    }
  }
  request.psi = read.Has("--us");
  if (read.Has("--format")) {
    const std::string& format = read.values["--format"];
    if (format != "csv" && format != "json") {
      problem = "unknown format \"" + format + "\" (csv or json)";
      return std::nullopt;
    }
    options.format = format == "json" ? CurveFormat::Json : CurveFormat::Csv;
  }

  hydraulics::MainInput& medium = options.medium;
  if (!read.Positive("--density", kDefaultDensity, medium.Density) ||
      !read.Positive("--viscosity", kDefaultViscosity, medium.Viscosity)) {
    return std::nullopt;
  }
  medium.Gas = read.Has("--gas");
  for (const char* gasOption : {"--inlet-pressure", "--inlet-temperature", "--outlet-temperature"}) {
    if (read.Has(gasOption) != medium.Gas) {
      problem = medium.Gas ? std::string("--gas needs ") + gasOption : std::string(gasOption) + " needs --gas";
      return std::nullopt;
    }
  }
  if (medium.Gas && (!read.Positive("--inlet-pressure", 0, medium.InletPressure) ||
                     !read.Positive("--inlet-temperature", 0, medium.InletTemperature) ||
                     !read.Positive("--outlet-temperature", 0, medium.OutletTemperature))) {
    return std::nullopt;
  }
  if (read.Has("--pump")) options.pump = curve::ParsePumpPairs(read.values["--pump"]);
  return options;
}

}  // namespace velmora::cli
