#include "CalcRequest.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace velmora::cli {
namespace {

constexpr CalcKey kOrifice[] = {
    {"kind", "0 sharp-edged, 1 rounded inlet, 2 thick orifice"},
    {"flow", "volume flow, m³/h"},
    {"density", "kg/m³"},
    {"viscosity", "dynamic viscosity, 10^-6 kg/(m·s)"},
    {"D1", "pipe diameter, mm"},
    {"edge", "inlet radius R (kind 1) or bore length L (kind 2), mm"},
    {"dp", "wanted pressure loss, bar"},
};
constexpr CalcKey kOutflow[] = {
    {"large", "0 small, 1 large opening"},
    {"bottom", "0 side, 1 bottom opening"},
    {"overpressure", "0 unpressurised, 1 overpressure (small openings)"},
    {"A", "area of the opening, m²"},
    {"H", "liquid height above the opening, m"},
    {"pi", "overpressure, bar"},
    {"rho", "liquid density, kg/m³"},
    {"H1", "large side opening: depth of the upper edge, m"},
    {"H2", "large side opening: depth of the lower edge, m"},
    {"b", "large side opening: width, m"},
    {"mu", "discharge coefficient"},
};
constexpr CalcKey kSmall[] = {
    {"kind", "0 sharp-edged, 1 nozzle, 2 conical extension, 3 cylindrical extension, 4 extension with nozzle"},
    {"angle", "cone angle of kind 2, degrees"},
    {"D", "pipe diameter of kind 4, mm"},
    {"d", "nozzle diameter of kind 4, mm"},
};
constexpr CalcKey kLarge[] = {
    {"opening", "0 side, 1 bottom opening"},      {"edge", "side openings: 0 sharp-edged, 1 rounded"},
    {"h", "height of a side opening, m"},         {"b", "width of a side opening, m"},
    {"D", "vessel diameter (bottom opening), m"}, {"d", "opening diameter (bottom opening), m"},
};
constexpr CalcKey kDraining[] = {
    {"shape", "0 vertical cylinder, 1 horizontal cylinder, 2 sphere, 3 cone"},
    {"D", "vessel diameter, m"},
    {"d", "opening diameter, mm"},
    {"H", "liquid height (shapes 0 and 3), m"},
    {"L", "vessel length (shape 1), m"},
    {"mu", "discharge coefficient"},
};
constexpr CalcKey kOpenChannel[] = {
    {"shape", "0 rectangle, 1 trapezoid, 2 semicircle, 3 triangle, 4 any shape"},
    {"B", "bottom width (0, 1), m"},
    {"H", "water depth (0, 1, 3), m"},
    {"beta", "wall angle (1, 3), degrees"},
    {"R", "radius (2), m"},
    {"U", "wetted perimeter (4), m"},
    {"A", "flow area (4), m²"},
    {"slope_given", "0 heights z1, z2 over L; 1 angle alpha; 2 percent"},
    {"z1", "height at the start, m"},
    {"z2", "height at the end, m"},
    {"L", "length, m"},
    {"alpha", "slope angle, degrees"},
    {"percent", "slope, %"},
    {"kSt", "Strickler coefficient, m^(1/3)/s"},
};
constexpr CalcKey kStrickler[] = {
    {"kind", "channel kind, 1 ... 7"},
    {"condition", "condition of the kind, 1 ... (11, 3, 9, 3, 6, 4, 7)"},
};
constexpr CalcKey kDesign[] = {
    {"Q", "volume flow, m³/s"},
    {"shape", "0 rectangle, 1 trapezoid, 2 semicircle, 3 triangle (45° walls)"},
    {"beta", "wall angle of the trapezoid, degrees (60 when not given)"},
    {"slope_given", "0 heights z1, z2 over L; 1 angle alpha; 2 percent"},
    {"z1", "height at the start, m"},
    {"z2", "height at the end, m"},
    {"L", "length, m"},
    {"alpha", "slope angle, degrees"},
    {"percent", "slope, %"},
    {"kSt", "Strickler coefficient, m^(1/3)/s"},
};

constexpr CalcKey kNpsh[] = {
    {"suction_pressure", "absolute pressure at the suction side, bar"},
    {"vapour_pressure", "vapour pressure, bar"},
    {"density", "kg/m³"},
};
constexpr CalcKey kEconomic[] = {
    {"flow", "volume flow, m³/h"},
    {"gas", "0 liquids (tables A, B), 1 gases (tables C, D)"},
    {"metric", "1 metric report (default), 0 imperial"},
};
constexpr CalcKey kPumpHead[] = {{"dp", "pressure loss, bar"}, {"density", "kg/m³"}};
constexpr CalcKey kVelocityToFlow[] = {{"velocity", "m/s"}, {"diameter", "pipe diameter, mm"}};
constexpr CalcKey kFlowToVelocity[] = {{"flow", "volume flow, m³/h"}, {"diameter", "pipe diameter, mm"}};
constexpr CalcKey kKv[] = {{"kv", "kv value, m³/h"}, {"diameter", "inner diameter, mm"}};
constexpr CalcKey kCv[] = {{"cv", "Cv value, US gal/min"}, {"diameter", "inner diameter, mm"}};
constexpr CalcKey kStandard[] = {
    {"standard_flow", "standard volume flow, Nm³/h"}, {"temperature", "°C"}, {"pressure", "absolute pressure, bar"}};
constexpr CalcKey kContent[] = {{"file", "the project file (.vlm); also the word after the name"},
                                {"from", "first calculation number (default 1)"},
                                {"to", "last calculation number (default the last)"},
                                {"flow", "volume flow for the filling time, m³/h"}};

// The pump design's keys: the common ones, then each line's under "suction." and "pressure.".
std::span<const CalcKey> PumpKeys() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n = {"flow", "density", "viscosity", "roughness", "temperature", "vapour_pressure",
                                  "pump", "medium",  "psa"};
    for (const char* side : {"suction.", "pressure."}) {
      for (const char* key : {"vessel_pressure", "height", "length", "diameter", "bends", "globe_valves",
                              "lift_check_valves", "cocks", "gate_valves", "swing_check_valves"})
        n.push_back(std::string(side) + key);
      for (int e = 1; e <= 3; ++e) {
        for (const char* key : {"count", "name", "zeta", "dp"})
          n.push_back(std::string(side) + "element" + std::to_string(e) + "_" + key);
      }
    }
    return n;
  }();
  static const std::vector<CalcKey> keys = [] {
    std::vector<CalcKey> k;
    for (const std::string& name : names) {
      std::string_view meaning = "";
      if (name == "flow") meaning = "volume flow, m³/h";
      if (name == "density") meaning = "kg/m³";
      if (name == "viscosity") meaning = "dynamic viscosity, 10^-6 kg/(m·s)";
      if (name == "roughness") meaning = "pipe roughness k, mm (default 0.1)";
      if (name == "temperature") meaning = "°C (informative)";
      if (name == "vapour_pressure") meaning = "bar abs";
      if (name == "pump" || name == "medium") meaning = "text";
      if (name == "psa") meaning = "a saved design (*.psa) instead of the keys: --psa FILE";
      // Each line's keys are told once, under "suction."; "pressure." takes the same.
      if (name == "suction.vessel_pressure") meaning = "vessel pressure p1 (pressure.: p2), bar abs";
      if (name == "suction.height") meaning = "Hs, m (+ inflow, - suction lift); pressure.height Hp";
      if (name == "suction.length") meaning = "length of the line, m";
      if (name == "suction.diameter") meaning = "inner diameter, mm";
      if (name == "suction.bends") meaning = "number of 90° bends (R = 1.5 d)";
      if (name == "suction.globe_valves") meaning = "number of globe valves";
      if (name == "suction.lift_check_valves") meaning = "number of lift check valves";
      if (name == "suction.cocks") meaning = "number of cocks";
      if (name == "suction.gate_valves") meaning = "number of gate valves";
      if (name == "suction.swing_check_valves") meaning = "number of swing check valves";
      if (name == "suction.element1_count") meaning = "further element 1 (also 2, 3): count";
      if (name == "suction.element1_name") meaning = "its name (text)";
      if (name == "suction.element1_zeta") meaning = "its zeta value";
      if (name == "suction.element1_dp") meaning = "its pressure loss, bar (counts before zeta)";
      k.push_back({name, meaning});
    }
    return k;
  }();
  return keys;
}

constexpr Calculator kCalculators[] = {
    {"orifice-design", "bore of a restriction orifice for a wanted pressure loss", kOrifice},
    {"outflow", "outflow from a vessel at constant level", kOutflow},
    {"small-opening-mu", "discharge coefficient of small openings", kSmall},
    {"large-opening-mu", "discharge coefficient of large openings", kLarge},
    {"draining-time", "draining time of a vessel at falling level", kDraining},
    {"open-channel", "open channel flow by Manning-Strickler", kOpenChannel},
    {"strickler", "Strickler coefficient of the database", kStrickler},
    {"channel-design", "hydraulically optimal channel profile", kDesign},
    {"pump-design", "pump quick design of a plant with a suction and a pressure line", {}},
    {"npsh", "available NPSH", kNpsh},
    {"economic-dn", "economic nominal diameter", kEconomic},
    {"pump-head", "head of a pressure loss", kPumpHead},
    {"velocity-to-flow", "volume flow of a velocity in a pipe", kVelocityToFlow},
    {"flow-to-velocity", "velocity of a volume flow in a pipe", kFlowToVelocity},
    {"kv-to-zeta", "zeta value of a kv value", kKv},
    {"cv-to-zeta", "zeta value of a Cv value", kCv},
    {"standard-to-operating", "operating volume flow of a standard volume flow", kStandard},
    {"pipeline-content",
     "content and filling time of the straight pipes of a project file (calc pipeline-content FILE)", kContent},
};

// The settings every calculator takes beside its inputs.
bool Setting(CalcRequest& request, std::string_view key, JsonType type, std::string_view text) {
  if (key == "us") {
    if (type == JsonType::True || type == JsonType::False) {
      request.us = type == JsonType::True;
    } else if (text == "true" || text == "false") {
      request.us = text == "true";
    } else {
      request.error = "us: must be true or false";
    }
    return true;
  }
  if (key == "decimals") {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '6') {
      request.decimals = text[0] - '0';
    } else {
      request.error = "decimals: must be a whole number from 0 to 6";
    }
    return true;
  }
  if (key == "edition") {
    if (text.size() == 1 && text::IsEdition(text[0])) {
      request.edition = text[0];
    } else {
      request.error = "edition: must be D, E, F or H";
    }
    return true;
  }
  return false;
}

void SetId(CalcRequest& request, JsonType type, std::string_view text) {
  RequestId& id = request.id;
  switch (type) {
    case JsonType::String: id.kind = RequestId::Kind::String; break;
    case JsonType::Number: id.kind = RequestId::Kind::Number; break;
    case JsonType::Null: id.kind = RequestId::Kind::Null; return;
    default: request.error = "id: must be a string or a number"; return;
  }
  const std::size_t n = text.size() < JsonMember::MaxString ? text.size() : JsonMember::MaxString;
  std::memcpy(id.text, text.data(), n);
  id.length = n;
}

std::string Shortened(std::string_view key) { return std::string(key.substr(0, 40)) + (key.size() > 40 ? "..." : ""); }

void AddInput(CalcRequest& request, std::string_view key, JsonType type, std::string_view text) {
  if (!request.error.empty()) return;
  if (Setting(request, key, type, text)) return;
  bool known = false;
  for (const CalcKey& k : KeysOf(*request.calculator)) known = known || k.name == key;
  if (!known) {
    request.error = "unknown key \"" + Shortened(key) + "\" of " + std::string(request.calculator->name);
    return;
  }
  if (request.Has(key)) {
    request.error = "duplicate key \"" + Shortened(key) + "\"";
    return;
  }
  if (type != JsonType::Number && type != JsonType::String) {
    request.error = Shortened(key) + ": must be a number or a text";
    return;
  }
  request.inputs.emplace_back(std::string(key), std::string(text));
}

// The key of an input as the calculators know it. The inputs stand in "inputs": {...} or beside
// "id" and "calculator"; a pump design's line may be an object with its fittings and elements:
// "suction": {"length": 5, "fittings": {"bends": 2}, "elements": [{"count": 1, "zeta": 0.5}]}
// gives "suction.length", "suction.bends", "suction.element1_count" and "suction.element1_zeta".
std::string InputKey(std::string_view key) {
  constexpr std::string_view kInputs = "inputs.";
  if (key.starts_with(kInputs)) key.remove_prefix(kInputs.size());
  for (const std::string_view side : {"suction.", "pressure."}) {
    if (!key.starts_with(side)) continue;
    std::string_view rest = key.substr(side.size());
    constexpr std::string_view kFittings = "fittings.";
    constexpr std::string_view kElements = "elements.";
    if (rest.starts_with(kFittings)) return std::string(side) + std::string(rest.substr(kFittings.size()));
    if (rest.starts_with(kElements)) {
      rest.remove_prefix(kElements.size());
      const std::size_t dot = rest.find('.');
      if (dot != std::string_view::npos)
        return std::string(side) + "element" + std::string(rest.substr(0, dot)) + "_" +
               std::string(rest.substr(dot + 1));
    }
  }
  return std::string(key);
}

}  // namespace

std::span<const Calculator> Calculators() { return kCalculators; }

std::span<const CalcKey> KeysOf(const Calculator& calculator) {
  return calculator.name == "pump-design" ? PumpKeys() : calculator.keys;
}

const Calculator* CalculatorNamed(std::string_view name) {
  for (const Calculator& calculator : kCalculators) {
    if (calculator.name == name) return &calculator;
  }
  return nullptr;
}

std::string CalcRequest::Input(std::string_view key) const {
  for (const auto& [name, text] : inputs) {
    if (name == key) return text;
  }
  return {};
}

bool CalcRequest::Has(std::string_view key) const {
  for (const auto& input : inputs) {
    if (input.first == key) return true;
  }
  return false;
}

void CalcRequestFromLine(std::string_view line, FlatObject& scratch, CalcRequest& request, text::Edition edition) {
  request = CalcRequest{};
  request.edition = edition;
  // inputs → a pump line → its elements → one element
  constexpr int kNesting = 4;
  const char* error = ParseFlatObject(line, scratch, kNesting);
  for (std::size_t i = 0; i < scratch.count; ++i) {
    const JsonMember& m = scratch.members[i];
    if (m.Key() == "id") SetId(request, m.type, m.type == JsonType::String ? m.Text() : m.number);
  }
  if (error != nullptr) {
    request.error = error;
    return;
  }
  for (std::size_t i = 0; i < scratch.count; ++i) {
    const JsonMember& m = scratch.members[i];
    if (m.Key() != "calculator") continue;
    if (request.calculator != nullptr || !request.error.empty()) {
      request.error = "duplicate key \"calculator\"";
    } else if (m.type != JsonType::String || (request.calculator = CalculatorNamed(m.Text())) == nullptr) {
      request.error = "unknown calculator \"" + Shortened(m.type == JsonType::String ? m.Text() : m.number) + "\"";
    }
  }
  if (request.Failed()) return;
  if (request.calculator == nullptr) {
    request.error = "missing calculator";
    return;
  }
  for (std::size_t i = 0; i < scratch.count; ++i) {
    const JsonMember& m = scratch.members[i];
    if (m.Key() == "id" || m.Key() == "calculator") continue;
    if (m.Key() == "inputs") {
      if (request.error.empty()) request.error = "inputs: must be an object";
      continue;
    }
    AddInput(request, InputKey(m.Key()), m.type, m.type == JsonType::String ? m.Text() : m.number);
  }
}

void CalcRequestFromArguments(std::string_view name, std::span<const char* const> arguments, CalcRequest& request,
                              text::Edition edition) {
  request = CalcRequest{};
  request.edition = edition;
  request.calculator = CalculatorNamed(name);
  if (request.calculator == nullptr) {
    request.error = "unknown calculator \"" + Shortened(name) + "\"";
    return;
  }
  for (const char* argument : arguments) {
    const std::string_view text(argument);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
      request.error = "\"" + Shortened(text) + "\" is not KEY=VALUE";
      return;
    }
    const std::string_view key = text.substr(0, equals);
    const std::string_view value = text.substr(equals + 1);
    if (key == "id") {
      SetId(request, IsJsonNumber(value) ? JsonType::Number : JsonType::String, value);
    } else {
      AddInput(request, key, IsJsonNumber(value) ? JsonType::Number : JsonType::String, value);
    }
  }
}

}  // namespace velmora::cli
