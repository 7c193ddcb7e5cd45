#include "PropertyCommand.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string_view>

#include "Batch.h"
#include "JsonWriter.h"
#include "PropertyMedia.h"
#include "ResultLine.h"
#include "fluids/AirDialogs.h"
#include "fluids/AirStates.h"
#include "fluids/GasDialog.h"
#include "fluids/GasState.h"
#include "fluids/LiquidDialog.h"
#include "fluids/VapourPressureDialog.h"
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

// The refusal of a database property: its dialog's out-of-range text.
text::Message OutOfRange(const text::TextStore& texts, std::string_view block) {
  return {texts.FormText(block, "msgOutOfRange"), {}, text::MessageIcon::None, {}};
}

// The entry a request names; nullptr with the request failed when the table has no such entry.
template <typename Entry>
const Entry* Named(const std::vector<Entry>& entries, PropertyRequest& r, const char* what) {
  const Entry* entry = FindByName(entries, r.Name());
  if (entry == nullptr) {
    std::snprintf(r.error, sizeof r.error, "unknown %s \"%.*s\" (velmora-calc list)", what,
                  static_cast<int>(r.Name().size() > 60 ? 60 : r.Name().size()), r.Name().data());
  }
  return entry;
}

// A gas of GASE.STW at P and T: the table value at a tabulated temperature, interpolated between
// them; a liquid state has its state word, its boiling point and no density or viscosity.
std::optional<text::Message> Gas(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                 JsonWriter& json) {
  std::optional<text::Message> missing;
  const fluids::GasDatabase* database = tables.Gases(missing);
  if (database == nullptr) return missing;
  const fluids::GasRecord* gas = Named(database->gases, r, "gas");
  if (gas == nullptr) return std::nullopt;
  const std::optional<long double> mu0 = fluids::ViscosityAt(*gas, *r.T);
  if (!mu0) return OutOfRange(texts, fluids::kGasBlock);
  const fluids::GasState state = fluids::CalculateGasState(*gas, *r.T + kZeroCelsiusInKelvin, *r.P, *mu0);
  const bool liquid = state.refusal == fluids::GasRefusal::Liquid;
  if (state.refusal != fluids::GasRefusal::None && !liquid) return OutOfRange(texts, fluids::kGasBlock);
  json.NumberOrNull("density", liquid ? std::nullopt : std::optional(state.density));
  json.NumberOrNull("dynamic_viscosity", liquid ? std::nullopt : std::optional(state.viscosity));
  json.NumberOrNull("boiling_point", state.boilingPoint);
  json.String("state", texts.FormText(fluids::kGasBlock, liquid ? "FluessigZustand" : "Gas"));
  return std::nullopt;
}

// A liquid of MEDIEN.STW at T: a row's values, or interpolated between the rows.
std::optional<text::Message> Liquid(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                    JsonWriter& json) {
  std::optional<text::Message> missing;
  const fluids::LiquidDatabase* database = tables.Liquids(missing);
  if (database == nullptr) return missing;
  const fluids::LiquidRecord* liquid = Named(database->liquids, r, "liquid");
  if (liquid == nullptr) return std::nullopt;
  const std::optional<fluids::LiquidValues> values = fluids::LiquidAt(*liquid, *r.T);
  if (!values) return OutOfRange(texts, fluids::kLiquidBlock);
  json.Number("density", values->density);
  json.Number("dynamic_viscosity", values->viscosity);
  return std::nullopt;
}

// A substance of DADRU.DAD at T within the range of the dialog's up/down control.
std::optional<text::Message> VapourPressure(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                            JsonWriter& json) {
  std::optional<text::Message> missing;
  const fluids::VapourPressureDatabase* database = tables.VapourPressures(missing);
  if (database == nullptr) return missing;
  const fluids::VapourPressureRecord* substance = Named(database->substances, r, "substance");
  if (substance == nullptr) return std::nullopt;
  const fluids::DegreeRange range = fluids::UpDownRange(*substance);
  if (!(*r.T >= range.lowest && *r.T <= range.highest)) return OutOfRange(texts, fluids::kVapourPressureBlock);
  const long double T = *r.T + kZeroCelsiusInKelvin;
  const std::optional<long double> p = fluids::VapourPressure(*substance, T);
  const std::optional<long double> rho = fluids::RackettDensity(*substance, T);
  if (!p || !rho) return OutOfRange(texts, fluids::kVapourPressureBlock);
  json.Number("vapour_pressure", *p);
  json.Number("density", *rho);
  return std::nullopt;
}

}  // namespace

bool AnswerProperty(const text::TextStore& texts, PropertyDatabases& tables, PropertyScratch& scratch,
                    std::string& out) {
  PropertyRequest& request = scratch.request;
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
    case PropertyKind::Gas: refusal = Gas(texts, request, tables, members); break;
    case PropertyKind::Liquid: refusal = Liquid(texts, request, tables, members); break;
    case PropertyKind::VapourPressure: refusal = VapourPressure(texts, request, tables, members); break;
    case PropertyKind::Brine: refusal = BrineProperty(texts, request, members); break;
    case PropertyKind::Oil: refusal = OilProperty(texts, request, tables, members); break;
    case PropertyKind::Aqueous: refusal = AqueousProperty(texts, request, tables, members); break;
    case PropertyKind::Estimate: refusal = EstimateProperty(texts, request, tables, members); break;
    case PropertyKind::User: refusal = UserProperty(texts, request, tables, members); break;
    case PropertyKind::None: break;
  }
  if (request.Failed()) {  // a name the table does not hold
    json.String("error", request.error);
    json.Close();
  } else if (refusal) {
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

int RunPropertyCommand(std::span<const char* const> arguments, const text::TextStore& texts,
                       const std::filesystem::path& programFolder) {
  PropertyDatabases tables(programFolder, texts);
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
      AnswerProperty(texts, tables, *scratch, out);
    });
    return done ? 0 : kRefused;
  }
  if (arguments.empty()) {
    std::fprintf(stderr,
                 "velmora-calc: property needs a property: water, saturation, air, humid-air, air-saturation, gas, "
                 "liquid, vapour-pressure, brine, oil, aqueous, estimate, user\n");
    return kUsageError;
  }
  const auto scratch = std::make_unique<PropertyScratch>();
  PropertyRequestFromArguments(arguments.front(), arguments.subspan(1), scratch->request);
  std::string out;
  const bool answered = AnswerProperty(texts, tables, *scratch, out);
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

const char* const PropertyHelpText = R"(velmora-calc property - density and viscosity of water, steam, air, the
gases and liquids of the databases, vapour pressures, brines, heat-transfer
oils, aqueous solutions, estimates from substance constants and the
user-defined media

USAGE
  velmora-calc property water P=<bar abs> T=<°C> [id=...]
  velmora-calc property saturation T=<°C> | P=<bar abs> [id=...]
  velmora-calc property air P=<bar abs> T=<°C> [id=...]
  velmora-calc property humid-air P=<bar abs> T=<°C> RH=<%> | X=<g/kg> [id=...]
  velmora-calc property air-saturation T=<°C> [id=...]
  velmora-calc property gas NAME P=<bar abs> T=<°C> [id=...]
  velmora-calc property liquid NAME T=<°C> [id=...]
  velmora-calc property vapour-pressure NAME T=<°C> [id=...]
  velmora-calc property brine N=<1...10> C=<mass %> T=<°C> [id=...]
  velmora-calc property oil NAME T=<°C> [id=...]
  velmora-calc property aqueous NAME=<mass %>[,NAME=<mass %>...] T=<°C> [id=...]
  velmora-calc property estimate NAME[=<mass %>,NAME=<mass %>...] P=<bar abs> T=<°C>
  velmora-calc property user NAME [id=...]
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
  gas             a gas of the gas database (GASE.STW): density by
                  Soave-Redlich-Kwong, the measured viscosity at 1.013 bar
                  (Gardner's correction above it); 0.1 <= P <= 1000 bar, T
                  from the gas's first to its last tabulated temperature,
                  interpolated between them as the dialog's "Interpolieren"
                  does; below the boiling point at P (or at or above the
                  critical pressure) and at most the critical temperature
                  the gas is liquid and has no density or viscosity
  liquid          a liquid of the liquids database (MEDIEN.STW): the
                  measured row at a tabulated temperature, linear between
                  the rows, nothing outside them
  vapour-pressure vapour pressure and liquid density (Rackett) of a
                  substance of DADRU.DAD at T = t + 273.15 K, within the
                  temperatures its dialog offers
  brine           a secondary refrigerant by Melinder's polynomials (IIR);
                  N is its place in velmora-calc list brines (1 ethylene
                  glycol ... 10 sodium chloride), C its concentration within
                  the brine's range, T above its freezing point and at most
                  its highest temperature
  oil             a heat-transfer oil of WT.STW at T rounded to a whole
                  degree, 0 ... 300 °C
  aqueous         a solution of up to four solutes of WAESSRIG.STW in water
                  (IF97), 0 ... 200 °C, each concentration 0 ... < 100 mass %,
                  together below 100
  estimate        a substance of STBERE.STW, or a mixture of up to four with
                  their mass fractions in % (adding up to 100), estimated from
                  its constants; 0.1 <= P <= 1000 bar, T above the melting
                  point
  user            a medium of the user-defined database USER.DAT (beside the
                  program, or in ~/.local/share/velmora when the program folder
                  may not be written): its texts as stored, in the units of the
                  database's unit setting
  NAME is an entry of the table as velmora-calc list gases|liquids|
  vapour-pressure|oils|aqueous|substances|user prints it (one shell word:
  quote names with blanks; the case of letters does not matter). In a list
  NAME=value,... a value ends at the next comma; names may hold commas.

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
  boiling_point      gas: the estimated boiling point at P, °C; null at or
                     above the critical pressure
  state              gas: the word for gaseous or liquid
  vapour_pressure    vapour-pressure: bar
  freezing_point     brine: °C
  temperature        oil: the whole degree used, °C
  viscosity_method   estimate: "correlation" (stored), "estimate"
                     (Przezdziecki-Sridhar, an approximation) or "gas"
  boiling_point      estimate: the boiling point at P, °C; null at or above
                     the critical pressure (a mixture: none below its
                     pseudo-critical temperature)
  pseudo_critical_temperature  estimate of a mixture: °C
  user               state, density, dynamic_viscosity, temperature,
                     pressure and remarks are the stored texts
  An oil without viscosity data has dynamic_viscosity null.
  Solid air has density, specific_volume and dynamic_viscosity null.

REFUSED STATES AND ERRORS
  A state the dialog refuses is answered {"id": ..., "refused": "<message>"}
  with the dialog's message from the language texts, as is a numeric fault
  of an iteration (the out-of-range message). A request that cannot be used
  (unknown key or property, a value that is no number, a missing or
  superfluous value, a name the table does not hold) is answered
  {"id": ..., "error": "<reason>"}. A table that cannot be read refuses the
  state with the program's file-missing message; lines of a table that
  cannot be read are skipped and named once on standard error.

BATCH MODE
  --batch reads one flat JSON object per line, e.g.
    {"id": 1, "property": "water", "P": 1.013, "T": 20}
    {"id": 2, "property": "humid-air", "P": 1.013, "T": 20, "RH": 50}
    {"id": 3, "property": "gas", "name": "Nitrogen", "P": 10, "T": 35}
    {"id": 4, "property": "brine", "N": 1, "C": 30, "T": 0}
    {"id": 5, "property": "aqueous", "name": "Sodium chloride=10", "T": 20}
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
