#include "settings/ReadSettings.h"

#include <climits>
#include <span>

#include "catalogue/ElementLayout.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredInteger.h"
#include "units/UnitLists.h"

namespace velmora::settings {
namespace {

constexpr int kTwoWayList = 2;  // volume/mass flow, dynamic/kinematic, metric/US, "mm"/"in."

// Reads the values of one section after another and remembers the first damaged one; the restore
// is judged once at the end.
class Restorer {
 public:
  explicit Restorer(const SettingsStore& store) : store_(store) {}

  void Section(const char* section) { section_ = section; }

  // A missing text reads as empty, as the platform's string values did.
  std::string Text(const char* name) const { return store_.Read(section_, name).value_or(std::string()); }

  int Integer(const char* name, int min = INT_MIN, int max = INT_MAX) {
    const std::optional<int> value = ParseStoredInteger(Text(name));
    if (!value || *value < min || *value > max) {
      failed_ = true;
      return 0;
    }
    return *value;
  }

  // A list index must name an entry of the list.
  int Index(const char* name, std::size_t entries) { return Integer(name, 0, static_cast<int>(entries) - 1); }
  int Index(const char* name, std::span<const units::Unit> list) { return Index(name, list.size()); }

  void Fail() { failed_ = true; }
  bool Failed() const { return failed_; }

 private:
  const SettingsStore& store_;
  const char* section_ = "";
  bool failed_ = false;
};

void RestoreGeneral(Restorer& in, StoredSettings& settings) {
  in.Section(section::kGeneral);
  settings.upgradeCheck = in.Text(key::kUpgradeCheck) == value::kYes;
  for (std::size_t i = 0; i < 2; ++i) settings.standardColumnWidths[i] = in.Integer(key::kStandardColumnWidths[i]);
  settings.display.decimals = in.Integer(key::kDecimals, kMinDecimals, kMaxDecimals);
  settings.userDatabaseUnits = in.Index(key::kUserDatabaseUnits, kTwoWayList);
  settings.display.captionShowsPath = in.Text(key::kCaption) == value::kCaptionPath;
}

WindowBounds ReadBounds(Restorer& in, const std::array<const char*, 4>& names) {
  return {in.Integer(names[0]), in.Integer(names[1]), in.Integer(names[2]), in.Integer(names[3])};
}

WindowPlacements RestoreWindows(Restorer& in) {
  in.Section(section::kWindows);
  WindowPlacements windows;
  windows.mainWindow = {in.Integer(key::kMainLeft), in.Integer(key::kMainTop)};
  windows.resultsWindow = ReadBounds(in, key::kResultsBounds);
  windows.shortDisplay = ReadBounds(in, key::kShortDisplayBounds);
  for (std::size_t i = 0; i < 4; ++i) windows.shortDisplayColumns[i] = in.Integer(key::kShortDisplayColumns[i]);
  return windows;
}

void RestoreMedium(Restorer& in, mainform::MainForm& form) {
  in.Section(section::kMedium);
  form.medium = in.Text(key::kMedium);
  // The unit lists depend on the kinds read before them.
  form.flowKind = in.Index(key::kFlowKind, kTwoWayList);
  form.flow = in.Text(key::kFlow);
  form.flowUnit = in.Index(key::kFlowUnit, units::FlowUnits(form.flowKind));
  form.density = in.Text(key::kDensity);
  form.densityUnit = in.Index(key::kDensityUnit, units::DensityUnits());
  form.viscosityKind = in.Index(key::kViscosityKind, kTwoWayList);
  form.viscosity = in.Text(key::kViscosity);
  form.viscosityUnit = in.Index(key::kViscosityUnit, units::ViscosityUnits(form.viscosityKind));
  form.gas = in.Text(key::kLiquid) == value::kGas;
}

void RestoreGasData(Restorer& in, mainform::MainForm& form) {
  in.Section(section::kGasData);
  form.inletPressure = in.Text(key::kInletPressure);
  form.inletPressureUnit = in.Index(key::kInletPressureUnit, units::PressureUnits());
  form.inletTemperature = in.Text(key::kInletTemperature);
  form.inletTemperatureUnit = in.Index(key::kInletTemperatureUnit, units::TemperatureUnits());
  form.outletTemperature = in.Text(key::kOutletTemperature);
  form.outletTemperatureUnit = in.Index(key::kOutletTemperatureUnit, units::TemperatureUnits());
}

void RestorePipe(Restorer& in, mainform::MainForm& form) {
  in.Section(section::kPipe);
  const int group = in.Integer(key::kGroup);
  const int kind = in.Integer(key::kKind);
  // An element the catalogue does not know is damage, not a choice.
  if (catalogue::FindLayout(group, kind) == nullptr) {
    in.Fail();
    return;
  }
  form.elementGroup = group;
  form.elementKind = kind;
  for (std::size_t slot = 0; slot < 5; ++slot) {
    form.dimensions[slot] = in.Text(key::kDimensions[slot]);
    // The dimension lists differ per element and slot: any integer is taken, and the element
    // panel leaves a list without a selection when it has no such entry.
    form.dimensionUnits[slot] = in.Integer(key::kDimensionUnits[slot]);
  }
  form.roughness = in.Text(key::kRoughness);
  form.roughnessUnit = in.Index(key::kRoughnessUnit, units::LengthUnits(units::LengthList::Millimetre));
}

// The restore of the general options, the window places and the inputs; nothing when a value is
// damaged.
std::optional<StoredSettings> Restore(const SettingsStore& store, StoredSettings settings) {
  Restorer in(store);
  RestoreGeneral(in, settings);
  settings.windows = RestoreWindows(in);
  RestoreMedium(in, settings.form);
  RestoreGasData(in, settings.form);
  RestorePipe(in, settings.form);
  if (in.Failed()) return std::nullopt;
  return settings;
}

}  // namespace

StoredSettings ReadSettings(const SettingsStore& store, text::Edition edition, const text::TextStore& texts,
                            const mainform::MainForm& form) {
  StoredSettings settings;
  settings.form = form;
  settings.standardColumnWidths = DefaultStandardColumnWidths(edition);
  settings.display.us = store.Read(section::kGeneral, key::kMetric) == value::kUsDisplay;
  // An empty or unreadable restore choice counts as "ja".
  settings.restore = store.Read(section::kGeneral, key::kRestore) == "1" ? kRestoreNo : kRestoreYes;

  if (settings.restore == kRestoreNo) {
    ApplyDefaults(settings, edition, texts);
  } else if (std::optional<StoredSettings> restored = Restore(store, settings)) {
    settings = std::move(*restored);
  } else {
    // First start or damaged values: metric display, the defaults, restore choice "ja".
    settings.display.us = false;
    ApplyDefaults(settings, edition, texts);
  }
  settings.recentFilesStored = store.HasSection(section::kRecentFiles);
  return settings;
}

StoredSettings ReadSettings(const SettingsStore& store, text::Edition edition, const text::TextStore& texts) {
  return ReadSettings(store, edition, texts, mainform::MainForm::Defaults(edition));
}

}  // namespace velmora::settings
