#include "calculators/PumpDesignDialog.h"

#include <algorithm>
#include <cmath>

#include "hydraulics/CrossSection.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

constexpr std::string_view b = kPumpDesignBlock;
constexpr std::string_view r = kPumpResultBlock;

// bar → psi, m → ft, kW → hp for the US value output.
constexpr long double kBarInPsi = 1.0L / units::kPsiInBar;
constexpr long double kMetreInFeet = 1.0L / units::kFootInMetre;
constexpr long double kKilowattInHorsepower = 1.341021858656296L;  // 1 kW = 1/0.745699872 hp (mechanical)

const std::string& Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

// The FileFitting order of the form against the PumpFitting order of the calculation.
constexpr std::array<PumpFitting, kPumpFittings> kFileToRow = {
    PumpFitting::Bend, PumpFitting::GlobeValve, PumpFitting::LiftCheckValve,
    PumpFitting::Cock, PumpFitting::GateValve,  PumpFitting::SwingCheckValve};
constexpr std::array<std::string_view, kPumpFittings> kFittingKeys = {"Bends", "GlobeValves", "LiftCheckValves",
                                                                      "Cocks", "GateValves",  "SwingCheckValves"};
constexpr std::array<std::string_view, kPumpFittings> kFittingControls = {
    "Edit_Bogen", "Edit_Ventil", "Edit_Rue_Ventil", "Edit_Hahn", "Edit_Schieber", "Edit_Rue_Klappe"};

int IndexNamed(std::span<const units::Unit> list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

std::string Control(std::string_view stem, char side) { return std::string(stem) + "_" + side; }
std::string Control(std::string_view stem, std::size_t n, std::string_view tail, char side) {
  return std::string(stem) + std::to_string(n + 1) + std::string(tail) + "_" + side;
}

// A pressure difference in bar: the gauge unit "psig" counts its scale only, not its offset.
long double DifferenceInBar(int unit, long double value) {
  return PressureDifferenceToBar(units::UnitName(units::PressureUnits(), unit), value);
}

class LineReader {
 public:
  LineReader(const text::TextStore& texts, FieldReader& read, const PumpDesignLabels& labels, char side)
      : texts_(texts), read_(read), labels_(labels), side_(side) {}

  // A number that must be a number (and pass `valid`), else the invalid-input box.
  template <typename Valid_>
  std::optional<long double> Valid(const std::string& text, const std::string& label, std::string_view stem,
                                   Valid_ valid) {
    const TypedInput field{text, label, Control(stem, side_)};
    const std::optional<long double> value = read_.Number(field);
    if (value && !valid(*value)) {
      read_.RefuseInvalid(field);
      return std::nullopt;
    }
    return value;
  }

  std::optional<PumpLineInput> Read(const PumpLineForm& form, PumpDesignInput& medium,
                                    const std::optional<long double>& roughnessTyped, const PumpDesignForm& all,
                                    bool& laminar) {
    PumpLineInput line;
    const auto any = [](long double) { return true; };
    const auto notNegative = [](long double v) { return v >= 0; };
    const auto positive = [](long double v) { return v > 0; };
    const std::string& vesselLabel = side_ == 'S' ? labels_.suctionVessel : labels_.pressureVessel;
    const std::optional<long double> vessel = Valid(form.vesselPressure, vesselLabel, "Edit_Behaelter", any);
    if (vessel) {
      const std::optional<long double> bar =
          units::PressureToBar(units::UnitName(units::PressureUnits(), form.vesselUnit), *vessel);
      if (!bar || *bar < 0) {
        read_.RefuseInvalid({form.vesselPressure, vesselLabel, Control("Edit_Behaelter", side_)});
      } else {
        line.vesselPressure = *bar;
      }
    }
    const std::optional<long double> d = Valid(form.diameter, labels_.diameter, "Edit_Durchmesser", positive);
    const std::optional<long double> L = Valid(form.length, labels_.length, "Edit_Rohrlaenge", notNegative);
    const std::optional<long double> H =
        Valid(form.height, side_ == 'S' ? labels_.suctionHeight : labels_.pressureHeight, "Edit_Geo", any);
    if (!read_.Ok()) return std::nullopt;
    line.diameter = InBase(MillimetreUnits(), form.diameterUnit, *d);
    line.length = InBase(MetreUnits(), form.lengthUnit, *L);
    line.height = InBase(MetreUnits(), form.heightUnit, *H);
    // The roughness counts only in turbulent flow: a laminar line does not read it.
    const long double v = hydraulics::PipeVelocityCircular(medium.flow, line.diameter);
    laminar = hydraulics::Reynolds(v, medium.density, line.diameter, medium.viscosity) < 2320.0L;
    if (!laminar) {
      if (!roughnessTyped) {
        read_.RefuseInvalid({all.roughness, labels_.roughness, "Edit2"});
        return std::nullopt;
      }
      medium.roughness = InBase(MillimetreUnits(), all.roughnessUnit, *roughnessTyped);
    }
    for (std::size_t i = 0; i < kPumpFittings; ++i) {
      const std::optional<long double> count =
          Valid(form.fittings[i], labels_.fittings[i], kFittingControls[i], notNegative);
      if (count) line.fittings[static_cast<std::size_t>(kFileToRow[i])] = *count;
    }
    for (std::size_t i = 0; i < kPumpElements; ++i) {
      const PumpElementForm& e = form.elements[i];
      const std::optional<long double> count =
          Valid(e.count, labels_.count, "Edit_Anzahl" + std::to_string(i + 1), notNegative);
      if (!count || *count == 0) continue;
      PumpElementInput& element = line.elements[i];
      element.count = *count;
      if (!e.pressureLoss.empty()) {
        const TypedInput field{e.pressureLoss, ElementLossCaption(texts_, form.vesselUnit),
                               Control("Edit_Element", i, "_dP", side_)};
        if (const std::optional<long double> loss = read_.Number(field))
          element.pressureLoss = DifferenceInBar(form.vesselUnit, *loss);
        continue;
      }
      const std::optional<long double> zeta = units::ParseNumber(e.zeta);
      if (!zeta || *zeta < 0) {
        read_.Refuse({texts_.GlobalText(text::global::kInvalidInput) + " " + Text(texts_, b, "ZetaHeading") + " " +
                          std::to_string(i + 1) + "!",
                      texts_.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error,
                      Control("Edit_Zeta", i, "", side_)});
        continue;
      }
      element.zeta = *zeta;
    }
    if (!read_.Ok()) return std::nullopt;
    return line;
  }

 private:
  const text::TextStore& texts_;
  FieldReader& read_;
  const PumpDesignLabels& labels_;
  char side_;
};

std::string Shown(long double value, const Display& display, text::Edition edition) {
  return units::FormatNumber(value, display.decimals, edition);
}

// The suction side's geodetic pressure with its sign turned: a gain of the inlet is written as a
// negative loss ("-" before a positive value, removed from a negative one, 0 as "0").
std::string TurnedSign(long double value, const Display& display, text::Edition edition) {
  if (value == 0) return "0";
  const std::string shown = Shown(value, display, edition);
  return value > 0 ? "-" + shown : shown.substr(1);
}

// One side of an element's label: its name and count, "-" when the side has none.
std::string SideLabel(const PumpElementForm& e) {
  return e.count.empty() || e.count == "0" ? std::string("-") : e.name + " (" + e.count + ")";
}

}  // namespace

long double PressureDifferenceToBar(std::string_view unit, long double value) {
  if (unit == "psig") return value * units::kPsiInBar;
  return units::PressureToBar(unit, value).value_or(value);
}

PumpDesignForm PumpDesignForm::Defaults(text::Edition edition) {
  PumpDesignForm form;
  form.roughness = edition == 'E' ? "0.1" : "0,1";
  return form;
}

std::span<const units::Unit> PumpFlowUnits(int kind) { return FlowUnits(kind); }
std::span<const units::Unit> PumpViscosityUnits(int kind) { return units::ViscosityUnits(kind); }

void CopyMainMedium(const mainform::MainForm& main, PumpDesignForm& form) {
  form.medium = main.medium;
  form.flowKind = main.flowKind == 1 ? 1 : 0;
  const units::Unit* unit = units::UnitAt(units::FlowUnits(main.flowKind), main.flowUnit);
  form.flowUnit = unit == nullptr ? 0 : std::max(0, IndexNamed(PumpFlowUnits(form.flowKind), unit->name));
  form.flow = unit != nullptr && unit->standard ? std::string() : main.flow;
  form.density = main.density;
  form.densityUnit = main.densityUnit;
  form.viscosityKind = main.viscosityKind == 1 ? 1 : 0;
  form.viscosity = main.viscosity;
  form.viscosityUnit = main.viscosityUnit;
}

PumpDesignLabels PumpDesignCaptions(const text::TextStore& texts, int flowKind, int viscosityKind) {
  PumpDesignLabels l;
  l.flow = Text(texts, b, flowKind == 1 ? "FlowMass" : "FlowVolume");
  l.density = Text(texts, b, "DensityLabel");
  l.viscosity = Text(texts, b, viscosityKind == 1 ? "ViscosityKinematic" : "ViscosityDynamic");
  l.temperature = Text(texts, b, "TemperatureLabel");
  l.vapourPressure = Text(texts, b, "VapourPressureLabel");
  l.roughness = Text(texts, b, "RoughnessLabel");
  l.suctionVessel = Text(texts, b, "SuctionVesselLabel");
  l.pressureVessel = Text(texts, b, "PressureVesselLabel");
  l.suctionHeight = Text(texts, b, "SuctionHeightLabel");
  l.pressureHeight = Text(texts, b, "PressureHeightLabel");
  l.length = Text(texts, b, "LengthLabel");
  l.diameter = Text(texts, b, "DiameterLabel");
  for (std::size_t i = 0; i < kPumpFittings; ++i) l.fittings[i] = Text(texts, b, kFittingKeys[i]);
  l.count = Text(texts, b, "CountHeading");
  return l;
}

std::string ElementLossCaption(const text::TextStore& texts, int vesselUnit) {
  return texts.GlobalText(text::global::kInWord) + " " +
         std::string(units::UnitName(units::PressureUnits(), vesselUnit));
}

PumpDesignOutcome CalculatePumpDesignDialog(const PumpDesignForm& form, const text::TextStore& texts,
                                            const Display& display) {
  PumpDesignOutcome outcome;
  const PumpDesignLabels labels = PumpDesignCaptions(texts, form.flowKind, form.viscosityKind);
  FieldReader read(texts, outcome);
  const auto aboveZero = [&](const TypedInput& field) -> std::optional<long double> {
    const std::optional<long double> value = read.Number(field);
    if (value && !(*value > 0)) {
      read.RefuseInvalid(field);
      return std::nullopt;
    }
    return value;
  };
  const std::optional<long double> flow = aboveZero({form.flow, labels.flow, "Edit3"});
  const std::optional<long double> density = aboveZero({form.density, labels.density, "Edit4"});
  const std::optional<long double> viscosity = aboveZero({form.viscosity, labels.viscosity, "Edit5"});
  read.Number({form.temperature, labels.temperature, "Edit_Temp"});
  const TypedInput vapourField{form.vapourPressure, labels.vapourPressure, "Edit_Dampfdruck", true};
  const std::optional<long double> vapour = read.Number(vapourField);
  PumpDesignInput input;
  if (vapour) {
    // An absolute pressure: 0 bar and below (also "-14.7 psig") is refused after the conversion.
    const std::optional<long double> bar =
        units::PressureToBar(units::UnitName(units::PressureUnits(), form.vapourPressureUnit), *vapour);
    if (!bar || !(*bar > 0)) {
      read.RefuseInvalid(vapourField);
    } else {
      input.vapourPressure = *bar;
    }
  }
  const std::optional<long double> roughness = units::ParseNumber(form.roughness);
  const std::optional<long double> roughnessTyped =
      roughness && *roughness >= 0 ? roughness : std::optional<long double>();
  if (!read.Ok()) return outcome;
  input.density = InBase(units::DensityUnits(), form.densityUnit, *density);
  input.flow = InBase(PumpFlowUnits(form.flowKind), form.flowUnit, *flow, input.density);
  input.viscosity = InBase(PumpViscosityUnits(form.viscosityKind), form.viscosityUnit, *viscosity, input.density);

  bool laminar[2] = {false, false};
  outcome.page = "S";
  LineReader suction(texts, read, labels, 'S');
  const std::optional<PumpLineInput> s = suction.Read(form.suction, input, roughnessTyped, form, laminar[0]);
  if (!s) return outcome;
  outcome.page = "D";
  LineReader pressure(texts, read, labels, 'D');
  const std::optional<PumpLineInput> p = pressure.Read(form.pressure, input, roughnessTyped, form, laminar[1]);
  if (!p) return outcome;
  outcome.page.clear();
  input.suction = *s;
  input.pressure = *p;
  outcome.input = input;
  for (const bool line : laminar) {
    if (line) outcome.messages.push_back({Text(texts, b, "msgLaminar"), {}, text::MessageIcon::None, {}});
  }
  if (input.viscosity > kHighViscosity)
    outcome.messages.push_back({Text(texts, b, "msgHighViscosity"), {}, text::MessageIcon::None, {}});
  const PumpDesignResult result = CalculatePumpDesign(input);
  const long double checked[] = {result.suction.pumpPressure, result.pressure.pumpPressure, result.head, result.npsh,
                                 result.power};
  for (const long double value : checked) {
    if (!std::isfinite(value)) {
      Fail(outcome, texts, Text(texts, b, "msgCalculationError"));
      return outcome;
    }
  }
  if (result.suction.pumpPressure < 0) {
    outcome.messages.push_back(
        {Text(texts, b, "msgNegativeInlet"), Text(texts, b, "WarningCaption"), text::MessageIcon::Exclamation, {}});
  }
  outcome.result = result;
  outcome.shown = PumpResultRows(form, result, texts, display);
  return outcome;
}

PumpResultTexts PumpResultRows(const PumpDesignForm& form, const PumpDesignResult& result, const text::TextStore& texts,
                               const Display& display) {
  PumpResultTexts t;
  const text::Edition e = texts.edition();
  const std::string& in = texts.GlobalText(text::global::kInWord);
  const long double p = display.us ? kBarInPsi : 1.0L;
  const long double h = display.us ? kMetreInFeet : 1.0L;
  const std::string absolute = display.us ? " psi (abs):" : " bar (abs):";
  const auto value = [&](long double bar) { return Shown(bar * p, display, e); };
  t.lines[0] = {"", Text(texts, r, "SuctionSide"), Text(texts, r, "PressureSide")};
  const PumpLineResult& s = result.suction;
  const PumpLineResult& d = result.pressure;
  t.lines[1] = {Text(texts, r, "RowVessel") + " " + in + absolute, value(s.vesselPressure), value(d.vesselPressure)};
  t.lines[2] = {Text(texts, r, "RowHeading") + " " + in + (display.us ? " psi" : " bar"), "", ""};
  t.lines[3] = {Text(texts, r, "RowGeodetic") + ":", TurnedSign(s.geodeticPressure * p, display, e),
                value(d.geodeticPressure)};
  const bool laminar = s.laminar && d.laminar;
  std::string k = " (k= -):";
  if (!laminar) {
    k = " (k= " + form.roughness + " " + std::string(units::UnitName(MillimetreUnits(), form.roughnessUnit)) + "):";
  }
  t.lines[4] = {Text(texts, r, "RowPipe") + k, value(s.pipeLoss), value(d.pipeLoss)};
  // Rows 5 to 10 in the order of the calculation: bends, cocks, globe valves, gate valves, lift
  // and swing check valves.
  for (std::size_t row = 0; row < kPumpFittings; ++row) {
    std::size_t file = 0;
    while (static_cast<std::size_t>(kFileToRow[file]) != row) ++file;
    t.lines[5 + row] = {Text(texts, r, kFittingKeys[file]) + " (" + form.suction.fittings[file] + "/" +
                            form.pressure.fittings[file] + "):",
                        value(s.fittingLosses[row]), value(d.fittingLosses[row])};
  }
  for (std::size_t i = 0; i < kPumpElements; ++i) {
    const PumpElementForm& es = form.suction.elements[i];
    const PumpElementForm& ed = form.pressure.elements[i];
    const bool none = es.count == "0" && ed.count == "0";
    t.lines[11 + i] = {none ? std::string() : SideLabel(es) + "/" + SideLabel(ed) + ":", value(s.elementLosses[i]),
                       value(d.elementLosses[i])};
  }
  t.lines[14] = {Text(texts, r, "RowTotal") + " " + in + absolute, value(s.pumpPressure), value(d.pumpPressure)};
  t.totals[0] = {Text(texts, r, "PumpDifference") + (display.us ? " psi:" : " bar:"), value(result.pressureDifference)};
  const std::string metres = display.us ? " ft.:" : " m:";
  t.totals[1] = {Text(texts, r, "Head") + metres, Shown(result.head * h, display, e)};
  t.totals[2] = {Text(texts, r, "Npsh") + metres, Shown(result.npsh * h, display, e)};
  t.totals[3] = {Text(texts, r, "Power") + (display.us ? " Hp:" : " kW:"),
                 Shown(result.power * (display.us ? kKilowattInHorsepower : 1.0L), display, e)};
  return t;
}

std::vector<PumpSummaryLine> PumpSummary(const PumpDesignForm& form, const text::TextStore& texts) {
  const PumpDesignLabels l = PumpDesignCaptions(texts, form.flowKind, form.viscosityKind);
  const auto unit = [](std::span<const units::Unit> list, int index) {
    return std::string(units::UnitName(list, index));
  };
  return {{Text(texts, b, "MediumLabel"), "", form.medium},
          {l.flow, unit(PumpFlowUnits(form.flowKind), form.flowUnit), form.flow},
          {l.density, unit(units::DensityUnits(), form.densityUnit), form.density},
          {l.viscosity, unit(PumpViscosityUnits(form.viscosityKind), form.viscosityUnit), form.viscosity},
          {l.temperature, Text(texts, b, "TemperatureUnit"), form.temperature},
          {l.vapourPressure, unit(units::PressureUnits(), form.vapourPressureUnit), form.vapourPressure}};
}

std::string PumpResultClipboard(const PumpDesignForm& form, const PumpResultTexts& shown,
                                const text::TextStore& texts) {
  std::string out = Text(texts, b, "PumpLabel") + "\t" + form.pump + "\r\n";
  for (const PumpSummaryLine& line : PumpSummary(form, texts)) {
    out += line.label + "\t" + line.unit + "\t" + line.value + "\r\n";
  }
  for (const auto& line : shown.lines) out += line[0] + "\t" + line[1] + "\t" + line[2] + "\r\n";
  for (const auto& line : shown.totals) out += line[0] + "\t" + line[1] + "\r\n";
  return out;
}

}  // namespace velmora::calculators
