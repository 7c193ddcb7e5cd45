#include "PropertyCommand.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string_view>

#include "Batch.h"
#include "JsonWriter.h"
#include "ResultLine.h"
#include "fluids/AirDialogs.h"
#include "fluids/AirStates.h"
#include "fluids/WaterDialogs.h"
#include "fluids/WaterState.h"
#include "units/UnitFactors.h"

namespace velmora::cli {
namespace {

using units::kZeroCelsiusInKelvin;

constexpr int kRefused = 1;
constexpr int kUsageError = 2;

// Each property: answers into `json`, or returns the message of its dialog's refusal.
std::optional<text::Message> Water(const text::TextStore& texts, const PropertyRequest& r, JsonWriter& json) {
  const fluids::WaterStateOutcome outcome = fluids::CalculateWaterState(*r.T + kZeroCelsiusInKelvin, *r.P);
  if (!outcome.state) return fluids::WaterRefusalMessage(texts, outcome.refusal);
  json.Number("region", outcome.state->region);
  json.String("state", texts.FormText(fluids::kWaterBlock, outcome.state->gas ? "Gas" : "Fluessig"));
  json.Properties(&outcome.state->properties);
  return std::nullopt;
}

std::optional<text::Message> Saturation(const text::TextStore& texts, const PropertyRequest& r, JsonWriter& json) {
  const fluids::SaturationGiven given = r.T ? fluids::SaturationGiven::Temperature : fluids::SaturationGiven::Pressure;
  const fluids::SaturatedWaterOutcome outcome =
      fluids::CalculateSaturatedWater(given, r.T ? *r.T + kZeroCelsiusInKelvin : *r.P);
  if (!outcome.state) return fluids::SaturatedWaterRefusalMessage(texts, given);
  json.Number("pressure", outcome.state->pressure);
  json.Number("temperature", outcome.state->temperature - kZeroCelsiusInKelvin);
  json.Phase("liquid", outcome.state->liquid);
  json.Phase("vapour", outcome.state->vapour);
  return std::nullopt;
}

std::string AirStateWord(const text::TextStore& texts, fluids::AirPhase phase) {
  switch (phase) {
    case fluids::AirPhase::Liquid: return texts.FormText(fluids::kDryAirBlock, "Fluessig");
    case fluids::AirPhase::Solid: return texts.FormText(fluids::kDryAirBlock, "Fest");
    case fluids::AirPhase::Gas: break;
  }
  return texts.FormText(fluids::kDryAirBlock, "Gas");
}

std::optional<text::Message> Air(const text::TextStore& texts, const PropertyRequest& r, JsonWriter& json) {
  const fluids::DryAirOutcome outcome = fluids::CalculateDryAir(*r.T + kZeroCelsiusInKelvin, *r.P);
  if (outcome.refusal != fluids::AirRefusal::None) {
    return fluids::AirRefusalMessage(texts, fluids::kDryAirBlock, outcome.refusal);
  }
  json.String("state", AirStateWord(texts, outcome.phase));
  json.Properties(outcome.properties ? &*outcome.properties : nullptr);  // a solid has none
  return std::nullopt;
}

// 1000 g per kg: X and x are given and written in g/kg, the dialog works in kg/kg.
constexpr long double kGramsPerKilogram = 1000;

std::optional<text::Message> HumidAir(const text::TextStore& texts, const PropertyRequest& r, JsonWriter& json) {
  const bool byX = r.X.has_value();
  const fluids::HumidAirOutcome outcome =
      fluids::CalculateHumidAir(*r.T + kZeroCelsiusInKelvin, *r.P,
                                byX ? fluids::HumidityGiven::MoistureContent : fluids::HumidityGiven::RelativeHumidity,
                                byX ? *r.X / kGramsPerKilogram : *r.RH);
  if (!outcome.state) return fluids::AirRefusalMessage(texts, fluids::kHumidAirBlock, outcome.refusal);
  const fluids::HumidAir& air = *outcome.state;
  json.String("state", AirStateWord(texts, fluids::AirPhase::Gas));
  json.Properties(&air.properties);
  json.Number("relative_humidity", air.relativeHumidity);
  json.Number("x", air.moistureContent * kGramsPerKilogram);
  json.NumberOrNull("x_s",
                    air.saturationContent ? std::optional(*air.saturationContent * kGramsPerKilogram) : std::nullopt);
  json.NumberOrNull("degree_of_saturation", air.degreeOfSaturation);
  json.Number("mole_fraction", air.moleFraction);
  json.Number("dew_point", air.dewPoint);
  return std::nullopt;
}

std::optional<text::Message> AirSaturation(const text::TextStore& texts, const PropertyRequest& r, JsonWriter& json) {
  const fluids::SaturatedAirOutcome outcome = fluids::CalculateSaturatedAir(*r.T + kZeroCelsiusInKelvin);
  if (!outcome.state) return fluids::AirRefusalMessage(texts, fluids::kSaturatedAirBlock, outcome.refusal);
  JsonWriter pressure = json.Object("pressure");
  pressure.Number("bubble", outcome.state->bubblePressure);
  pressure.Number("dew", outcome.state->dewPressure);
  pressure.Close();
  json.Phase("liquid", outcome.state->liquid);
  json.Phase("vapour", outcome.state->vapour);
  return std::nullopt;
}

}  // namespace

bool AnswerProperty(const text::TextStore& texts, PropertyScratch& scratch, std::string& out) {
  const PropertyRequest& request = scratch.request;
  scratch.refused.clear();
  JsonWriter json(out);
  json.Id(request.id);
  if (request.Failed()) {
    json.String("error", request.error);
    json.Close();
    out += '\n';
    return true;
  }
  // The members are written into a line of their own first: a refused state keeps only its id.
  std::string answer;
  JsonWriter members(answer);
  std::optional<text::Message> refusal;
  switch (request.kind) {
    case PropertyKind::Water: refusal = Water(texts, request, members); break;
    case PropertyKind::Saturation: refusal = Saturation(texts, request, members); break;
    case PropertyKind::Air: refusal = Air(texts, request, members); break;
    case PropertyKind::HumidAir: refusal = HumidAir(texts, request, members); break;
    case PropertyKind::AirSaturation: refusal = AirSaturation(texts, request, members); break;
    case PropertyKind::None: break;
  }
  if (refusal) {
    scratch.refused = refusal->text;
    json.String("refused", scratch.refused);
    json.Close();
  } else if (answer.size() > 1) {  // "{" and the members: joined after the id
    if (request.id.kind != RequestId::Kind::None) out += ',';
    out.append(answer, 1);
    out += '}';
  } else {
    json.Close();
  }
  out += '\n';
  return !refusal;
}

int RunPropertyCommand(std::span<const char* const> arguments, const text::TextStore& texts) {
  if (!arguments.empty() && std::string_view(arguments.front()) == "--batch") {
    if (arguments.size() > 1) {
      std::fprintf(stderr, "velmora-calc: property --batch takes no arguments; it reads JSON lines\n");
      return kUsageError;
    }
    // About 40 KiB of work space, allocated once per run.
    const auto scratch = std::make_unique<PropertyScratch>();
    const bool done = RunLines(STDIN_FILENO, STDOUT_FILENO, [&](std::string_view line, bool tooLong, std::string& out) {
      if (tooLong) {
        scratch->request = PropertyRequest{};
        std::snprintf(scratch->request.error, sizeof scratch->request.error, "line too long");
      } else {
        PropertyRequestFromLine(line, scratch->object, scratch->request);
      }
      AnswerProperty(texts, *scratch, out);
    });
    return done ? 0 : kRefused;
  }
  if (arguments.empty()) {
    std::fprintf(stderr,
                 "velmora-calc: property needs a property: water, saturation, air, humid-air, air-saturation\n");
    return kUsageError;
  }
  const auto scratch = std::make_unique<PropertyScratch>();
  PropertyRequestFromArguments(arguments.front(), arguments.subspan(1), scratch->request);
  std::string out;
  const bool answered = AnswerProperty(texts, *scratch, out);
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return kRefused;
  if (scratch->request.Failed()) return kUsageError;
  if (!answered) {
    std::fprintf(stderr, "%s\n", scratch->refused.c_str());
    return kRefused;
  }
  return 0;
}

}  // namespace velmora::cli

namespace velmora::cli {

const char* const PropertyHelpText = R"(velmora-calc property - density and viscosity of water, steam and air

USAGE
  velmora-calc property water P=<bar abs> T=<°C> [id=...]
  velmora-calc property saturation T=<°C> | P=<bar abs> [id=...]
  velmora-calc property air P=<bar abs> T=<°C> [id=...]
  velmora-calc property humid-air P=<bar abs> T=<°C> RH=<%> | X=<g/kg> [id=...]
  velmora-calc property air-saturation T=<°C> [id=...]
  velmora-calc property --batch < states.jsonl > properties.jsonl
  velmora-calc property --help

Every command takes temperatures in °C and pressures in bar absolute, whatever
unit its dialog shows. The calculations, their ranges and their messages are
those of the program's property dialogs:
  water           IAPWS-IF97 (1997), viscosity IAPS 1985; 0 ... 900 °C,
                  0 < P <= 1000 bar, above 800 °C P <= 100 bar
  saturation      saturated water and steam; 0 ... 373 °C or 0.007 ... 220 bar
  air             dry air, Lemmon et al. (2000), viscosity Lemmon and
                  Jacobsen (2004); 60 ... 2000 K (-213.15 ... 1726.85 °C),
                  0 < P <= 20000 bar; gas, liquid or solid
  humid-air       moist air, CIPM-81/91; 0 ... 200 °C, 0 < P <= 100 bar, the
                  relative humidity RH (0 < RH <= 100 %) or the moisture
                  content X (g water per kg dry air, > 0)
  air-saturation  air at its bubble and dew line; 60 ... 132 K

OUTPUT (one JSON object per line; numbers with 18 significant digits)
  id                 as given (only when given)
  region             water: the IF97 region, 1, 2, 3 or 5
  state              water, air, humid-air: the dialog's word for the state
                     (liquid, gas; air also solid), in the program's language
  density            kg/m³
  specific_volume    m³/kg
  dynamic_viscosity  10^-6 kg/(m·s) (1000 = 1 mPa·s)
  pressure           saturation: bar; air-saturation: {"bubble", "dew"} in bar
  temperature        saturation: °C
  liquid, vapour     saturation, air-saturation: {density, specific_volume,
                     dynamic_viscosity} of each phase
  relative_humidity  humid-air: %
  x, x_s             humid-air: moisture content and moisture content at
                     saturation, g water/kg dry air; x_s is null when the
                     saturation pressure lies above P
  degree_of_saturation  humid-air: x/x_s, null with x_s
  mole_fraction      humid-air: mole fraction of the water vapour
  dew_point          humid-air: °C
  Solid air has density, specific_volume and dynamic_viscosity null.

REFUSED STATES AND ERRORS
  A state the dialog refuses is answered {"id": ..., "refused": "<message>"}
  with the dialog's message from the language texts, as is a numeric fault
  of an iteration (the out-of-range message). A request that cannot be used
  (unknown key or property, a value that is no number, a missing or
  superfluous value) is answered {"id": ..., "error": "<reason>"}.

BATCH MODE
  --batch reads one flat JSON object per line, e.g.
    {"id": 1, "property": "water", "P": 1.013, "T": 20}
    {"id": 2, "property": "humid-air", "P": 1.013, "T": 20, "RH": 50}
  and writes one answer line per input line, in the same order, the id
  echoed. Lines longer than 64 KiB, empty and malformed lines get an error
  line, and the batch goes on.

EXIT STATUS
  0  answered (in --batch: every line answered, whatever the answers say)
  1  refused (the answer with "refused" on standard output, its message on
     standard error), the language texts could not be read, or the input
     could not be read or the output not be written
  2  unusable arguments (the answer with "error" is printed all the same)
)";

}  // namespace velmora::cli
