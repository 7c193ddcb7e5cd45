#include "PropertyMedia.h"

#include <cmath>
#include <cstdio>

#include "fluids/AqueousDialog.h"
#include "fluids/Brine.h"
#include "fluids/BrineDialog.h"
#include "fluids/EstimationDialog.h"
#include "fluids/OilDialog.h"
#include "fluids/UserDatabase.h"
#include "fluids/UserDatabaseDialog.h"
#include "install/ProgramFiles.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::cli {
namespace {

using units::kZeroCelsiusInKelvin;

constexpr int kMaxComponents = 4;

template <class... Args>
void Fail(PropertyRequest& r, const char* format, Args... args) {
  if (!r.Failed()) std::snprintf(r.error, sizeof r.error, format, args...);
}

void FailUnknown(PropertyRequest& r, const char* what, std::string_view name) {
  Fail(r, "unknown %s \"%.*s\" (velmora-calc list)", what, static_cast<int>(name.size() > 60 ? 60 : name.size()),
       name.data());
}

// The entry of a table by its name, or nullptr with the request failed.
template <typename Entry>
const Entry* Find(const std::vector<Entry>& entries, std::string_view name, PropertyRequest& r, const char* what) {
  const Entry* entry = FindByName(entries, name);
  if (entry == nullptr) FailUnknown(r, what, name);
  return entry;
}

std::string_view StateWord(const text::TextStore& texts, fluids::EstimatedPhase phase) {
  static thread_local std::string word;
  switch (phase) {
    case fluids::EstimatedPhase::Liquid: word = texts.FormText(fluids::kEstimateBlock, "Fluessig"); break;
    case fluids::EstimatedPhase::Supercritical: word = texts.FormText(fluids::kEstimateBlock, "Ueberkritisch"); break;
    case fluids::EstimatedPhase::Gas: word = texts.FormText(fluids::kEstimateBlock, "Gas"); break;
  }
  return word;
}

}  // namespace

std::optional<std::vector<NamedValue>> ParseNamedValues(std::string_view list) {
  std::vector<NamedValue> values;
  if (list.find('=') == std::string_view::npos) {
    if (list.empty()) return std::nullopt;
    values.push_back({std::string(list), std::nullopt});
    return values;
  }
  while (!list.empty()) {
    const std::size_t equals = list.find('=');
    if (equals == 0 || equals == std::string_view::npos) return std::nullopt;
    const std::size_t comma = list.find(',', equals);
    const std::string_view number =
        list.substr(equals + 1, comma == std::string_view::npos ? comma : comma - equals - 1);
    const std::optional<long double> value = units::ParseNumber(number);
    if (!value || number.empty() || !std::isfinite(*value)) return std::nullopt;
    values.push_back({std::string(list.substr(0, equals)), value});
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  return values;
}

std::optional<text::Message> BrineProperty(const text::TextStore& texts, PropertyRequest& r, JsonWriter& json) {
  const long double n = *r.N;
  if (n != std::trunc(n) || n < 1 || n > fluids::kBrineCount) {
    Fail(r, "N: a brine 1 ... %d (velmora-calc list brines)", fluids::kBrineCount);
    return std::nullopt;
  }
  const fluids::BrineState state = fluids::CalculateBrine(static_cast<int>(n), *r.C, *r.T);
  if (state.refusal != fluids::BrineRefusal::None) return fluids::BrineRefusalMessage(state, texts);
  json.Number("density", state.density);
  json.Number("dynamic_viscosity", state.viscosity);
  json.Number("freezing_point", state.freezingPoint);
  return std::nullopt;
}

std::optional<text::Message> OilProperty(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                         JsonWriter& json) {
  std::optional<text::Message> missing;
  const fluids::OilDatabase* database = tables.Oils(missing);
  if (database == nullptr) return missing;
  const fluids::OilRecord* oil = Find(database->oils, r.Name(), r, "oil");
  if (oil == nullptr) return std::nullopt;
  const long double t = units::RoundHalfAway(*r.T);  // the dialog's whole degrees
  if (std::optional<text::Message> range = fluids::OilRangeMessage(t, texts)) return range;
  const fluids::OilValues values = fluids::OilProperties(*oil, t);
  if (!std::isfinite(values.density) || !std::isfinite(values.viscosity)) {
    return text::Message{texts.FormText(fluids::kOilBlock, "msgOutOfRange"), {}, text::MessageIcon::None, {}};
  }
  json.Number("temperature", t);
  json.NumberOrNull("density", values.density >= 0 ? std::optional(values.density) : std::nullopt);
  json.NumberOrNull("dynamic_viscosity", values.viscosity > 0 ? std::optional(values.viscosity) : std::nullopt);
  return std::nullopt;
}

std::optional<text::Message> AqueousProperty(const text::TextStore& texts, PropertyRequest& r,
                                             PropertyDatabases& tables, JsonWriter& json) {
  std::optional<text::Message> missing;
  const fluids::AqueousDatabase* database = tables.Solutes(missing);
  if (database == nullptr) return missing;
  const std::optional<std::vector<NamedValue>> list = ParseNamedValues(r.Name());
  if (!list || list->size() > kMaxComponents) {
    Fail(r, "name: NAME=mass %%[,NAME=mass %%...], at most %d solutes", kMaxComponents);
    return std::nullopt;
  }
  std::vector<fluids::Solute> solutes;
  for (const NamedValue& part : *list) {
    const fluids::SoluteRecord* solute = Find(database->solutes, part.name, r, "solute");
    if (solute == nullptr) return std::nullopt;
    if (!part.value) {
      Fail(r, "name: the concentration of \"%.*s\" (NAME=mass %%)",
           static_cast<int>(part.name.size() > 60 ? 60 : part.name.size()), part.name.data());
      return std::nullopt;
    }
    solutes.push_back({solute, *part.value});
  }
  const long double T = *r.T + kZeroCelsiusInKelvin;
  if (std::optional<text::Message> refusal = fluids::CheckSolution(solutes, T, solutes.size() > 1, texts)) {
    return refusal;
  }
  const std::optional<fluids::SolutionValues> values = fluids::SolutionProperties(solutes, T);
  if (!values) return text::Message{texts.FormText(fluids::kAqueousBlock, "msgOutOfRange"), {}, {}, {}};
  json.Number("density", values->density);
  json.Number("dynamic_viscosity", values->viscosity);
  return std::nullopt;
}

std::optional<text::Message> EstimateProperty(const text::TextStore& texts, PropertyRequest& r,
                                              PropertyDatabases& tables, JsonWriter& json) {
  std::optional<text::Message> missing;
  const fluids::SubstanceDatabase* database = tables.Substances(missing);
  if (database == nullptr) return missing;
  const std::optional<std::vector<NamedValue>> list = ParseNamedValues(r.Name());
  if (!list || list->size() > kMaxComponents || (list->size() > 1 && !list->front().value)) {
    Fail(r, "name: NAME or NAME=mass %%,NAME=mass %%..., at most %d substances", kMaxComponents);
    return std::nullopt;
  }
  std::vector<fluids::MixtureComponent> components;
  for (const NamedValue& part : *list) {
    const fluids::SubstanceRecord* substance = Find(database->substances, part.name, r, "substance");
    if (substance == nullptr) return std::nullopt;
    components.push_back({substance, part.value.value_or(100)});
  }
  const long double T = *r.T + kZeroCelsiusInKelvin;
  const fluids::EstimateOutcome result = components.size() == 1
                                             ? fluids::EstimateSubstance(*components.front().substance, *r.P, T)
                                             : fluids::EstimateMixture(components, fluids::FractionKind::Mass, *r.P, T);
  if (result.refusal != fluids::EstimateRefusal::None) {
    const std::string name = result.component >= 0
                                 ? components[static_cast<std::size_t>(result.component)].substance->name
                             : components.size() == 1 ? components.front().substance->name
                                                      : std::string();
    return fluids::EstimateRefusalMessage(result, name, texts, fluids::kSingleControls);
  }
  const fluids::EstimatedState& state = *result.state;
  json.String("state", StateWord(texts, state.phase));
  json.NumberOrNull("density", state.density);
  json.NumberOrNull("dynamic_viscosity", state.viscosity);
  json.String("viscosity_method", state.phase != fluids::EstimatedPhase::Liquid ? "gas"
                                  : state.viscosityEstimated                    ? "estimate"
                                                                                : "correlation");
  json.NumberOrNull("boiling_point",
                    result.boilingPoint ? std::optional(*result.boilingPoint - kZeroCelsiusInKelvin) : std::nullopt);
  if (components.size() > 1) {
    json.Number("pseudo_critical_temperature", result.pseudoCriticalTemperature - kZeroCelsiusInKelvin);
  }
  return std::nullopt;
}

std::optional<text::Message> UserProperty(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                          JsonWriter& json) {
  const std::filesystem::path path = install::ReadPath(install::Folders(tables.Folder()), fluids::kUserFileName);
  const fluids::UserFileRead read = fluids::ReadUserFile(path);
  if (read.problem == fluids::UserFileProblem::Missing || read.problem == fluids::UserFileProblem::Unreadable) {
    return fluids::UserLoadMessage(texts, read, path);
  }
  if (const std::optional<text::Message> note = fluids::UserLoadMessage(texts, read, path)) {
    std::fprintf(stderr, "velmora-calc: %s\n", note->text.c_str());
  }
  const fluids::UserRecord* record = Find(read.records, r.Name(), r, "medium");
  if (record == nullptr) return std::nullopt;
  json.String("state", texts.FormText(fluids::kUserChoiceBlock, record->Liquid() ? "RadioFluessig" : "RadioGas"));
  json.String("density", record->density);
  json.String("dynamic_viscosity", record->viscosity);
  json.String("temperature", record->temperature);
  json.String("pressure", record->pressure);
  json.String("remarks", fluids::ShownRemarks(record->remarks));
  return std::nullopt;
}

}  // namespace velmora::cli
