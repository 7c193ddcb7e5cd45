#include "calculators/Converters.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "results/ResultColumn.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

const std::string& Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

constexpr std::array<units::Unit, 2> kVelocityUnits = {{{"m/s", 1}, {"ft./s", units::kFootInMetre}}};
// The standard flows and the operating units they become ("N" dropped), with their factor to m³/h.
constexpr std::array<units::Unit, 3> kStandardUnits = {{{"Nm³/s", 3600}, {"Nm³/min", 60}, {"Nm³/h", 1}}};

std::string Format(long double value, int decimals, const text::TextStore& texts) {
  return units::FormatNumber(value, decimals, texts.edition());
}

std::string Feet(long double metres, int decimals, std::string_view unit, const text::TextStore& texts) {
  return "(= " + Format(metres / units::kFootInMetre, decimals, texts) + " " + std::string(unit) + ")";
}

// The pressure of a field in bar (absolute), nothing for an unknown unit.
std::optional<long double> Bar(int unit, long double value) {
  return units::PressureToBar(units::UnitName(units::PressureUnits(), unit), value);
}

}  // namespace

long double NpshOf(long double suctionBar, long double vapourBar, long double rho) {
  return (suctionBar - vapourBar) * 10.2L / rho * 1000.0L;
}
long double PumpHead(long double lossBar, long double rho) { return lossBar / rho / 9.81L * 100000.0L; }
long double FlowOfVelocity(long double v, long double d) { return d * d * kPi * v * 0.0036L / 4.0L; }
long double VelocityOfFlow(long double Q, long double d) { return Q * 10000.0L / 36.0L * 4.0L / kPi / (d * d); }
long double ZetaOfKv(long double kv, long double d) {
  const long double cm = d / 10.0L;
  return 16.0L * cm * cm * cm * cm / (kv * kv);
}
long double KvOfCv(long double cv) { return 0.86L * cv; }
long double OperatingOfStandard(long double standard, long double kelvin, long double bar) {
  return standard * kelvin * units::kAtmosphereInBar / bar / units::kZeroCelsiusInKelvin;
}
long double GallonsPerMinute(long double cubicMetresPerHour) {
  return cubicMetresPerHour / units::kBarrelInCubicMetre * units::kGallonsPerBarrel / 60.0L;
}

TwoResults CalculateNpshDialog(const NpshForm& form, const text::TextStore& texts) {
  TwoResults o;
  FieldReader read(texts, o);
  const std::optional<long double> suction =
      read.Number({form.suction, Text(texts, kNpshBlock, "SuctionLabel"), "Edit1"});
  const std::optional<long double> vapour = read.Number({form.vapour, Text(texts, kNpshBlock, "VapourLabel"), "Edit2"});
  const std::optional<long double> density =
      read.Number({form.density, Text(texts, kNpshBlock, "DensityLabel"), "Edit3"});
  if (!read.Ok()) return o;
  const std::optional<long double> ps = Bar(form.suctionUnit, *suction);
  const std::optional<long double> pv = Bar(form.vapourUnit, *vapour);
  const long double rho = InBase(units::DensityUnits(), form.densityUnit, *density);
  if (!ps || !pv || !(rho > 0)) return o;
  const long double npsh = std::max(0.0L, NpshOf(*ps, *pv, rho));
  if (!std::isfinite(npsh)) return o;
  o.value = npsh;
  o.first = Format(npsh, 1, texts) + " m";
  o.second = Feet(npsh, 1, "ft.", texts);
  return o;
}

TwoResults CalculatePumpHeadDialog(const PumpHeadForm& form, const text::TextStore& texts) {
  TwoResults o;
  FieldReader read(texts, o);
  const std::optional<long double> loss =
      read.Number({form.loss, Text(texts, kPumpHeadBlock, "LossLabel"), "Edit_Druck"});
  const std::optional<long double> density =
      read.Number({form.density, Text(texts, kPumpHeadBlock, "DensityLabel"), "Edit_Dichte"});
  if (!read.Ok()) return o;
  const long double rho = InBase(units::DensityUnits(), form.densityUnit, *density);
  if (!(rho > 0)) return o;
  const long double head =
      PumpHead(PressureDifferenceToBar(units::UnitName(units::PressureUnits(), form.lossUnit), *loss), rho);
  if (!std::isfinite(head)) return o;
  o.value = head;
  o.first = Format(head, 1, texts) + " m";
  o.second = Feet(head, 1, "ft.", texts);
  return o;
}

std::string TablePressureLoss(const results::ResultsTable& table, bool us, text::Edition edition) {
  // Row 24 holds the loss in mbar (US lbw./sq.ft.): the table's total as the status bar sums it.
  long double sum = 0;
  for (int column = 1; column <= table.LastElementColumn(); ++column) {
    sum += units::ParseNumber(table.Cell(column, results::row::LossSmall)).value_or(0);
  }
  if (sum == 0) return "0";
  return units::FormatNumber(us ? sum / units::kSquareInchesPerSquareFoot : sum / 1000.0L, 4, edition);
}

std::string TableLastVelocity(const results::ResultsTable& table, text::Edition edition) {
  if (table.LastElementColumn() < 1) return {};
  const std::optional<long double> v =
      units::ParseNumber(table.Cell(table.LastElementColumn(), results::row::Velocity));
  if (!v || *v == 0) return {};
  return units::FormatNumber(*v, 2, edition);
}

TwoResults CalculateVelocityToFlowDialog(const VelocityFlowForm& form, const text::TextStore& texts) {
  TwoResults o;
  FieldReader read(texts, o);
  const std::optional<long double> v =
      read.Number({form.value, Text(texts, kVelocityToFlowBlock, "VelocityLabel"), "Edit_Geschwindigkeit"});
  const std::optional<long double> d =
      read.Number({form.diameter, Text(texts, kVelocityToFlowBlock, "DiameterLabel"), "Edit_Rohrdurchmesser"});
  if (!read.Ok()) return o;
  const long double flow =
      FlowOfVelocity(InBase(kVelocityUnits, form.valueUnit, *v), InBase(MillimetreUnits(), form.diameterUnit, *d));
  if (!std::isfinite(flow)) return o;
  o.value = flow;
  o.first = Format(flow, 2, texts) + " m³/h";
  o.second = "(= " + Format(GallonsPerMinute(flow), 2, texts) + " gal/min)";
  return o;
}

TwoResults CalculateFlowToVelocityDialog(const VelocityFlowForm& form, const text::TextStore& texts) {
  TwoResults o;
  FieldReader read(texts, o);
  const std::optional<long double> q =
      read.Number({form.value, Text(texts, kFlowToVelocityBlock, "FlowLabel"), "Edit_Volumenstrom"});
  const std::optional<long double> d =
      read.Number({form.diameter, Text(texts, kFlowToVelocityBlock, "DiameterLabel"), "Edit_Rohrdurchmesser"});
  if (!read.Ok()) return o;
  const long double mm = InBase(MillimetreUnits(), form.diameterUnit, *d);
  if (!(mm > 0)) return o;
  const long double v = VelocityOfFlow(InBase(FlowUnits(0), form.valueUnit, *q), mm);
  if (!std::isfinite(v)) return o;
  o.value = v;
  o.first = Format(v, 2, texts) + " m/s";
  o.second = Feet(v, 2, "ft./s", texts);
  return o;
}

void ApplyFlowTakeOver(mainform::MainForm& main, const std::string& flow) {
  main.flow = flow;
  main.flowKind = 0;
  main.flowUnit = 0;  // "m³/h"
}

ValveZetaOutcome CalculateValveZetaDialog(const ValveZetaForm& form, bool cv, const text::TextStore& texts,
                                          const Display& display) {
  ValveZetaOutcome o;
  const std::string_view block = cv ? kCvBlock : kKvBlock;
  FieldReader read(texts, o);
  const auto notZero = [&](const TypedInput& field) -> std::optional<long double> {
    const std::optional<long double> value = read.Number(field);
    if (value && *value == 0) {
      read.RefuseInvalid(field);
      return std::nullopt;
    }
    return value;
  };
  const std::optional<long double> coefficient =
      notZero({form.coefficient, Text(texts, block, "CoefficientLabel"), "Edit1"});
  const std::optional<long double> d = notZero({form.diameter, Text(texts, block, "DiameterLabel"), "Va1_Edit"});
  if (!read.Ok()) return o;
  const long double kv = cv ? KvOfCv(*coefficient) : *coefficient;
  const long double zeta = ZetaOfKv(kv, InBase(MillimetreUnits(), form.diameterUnit, *d));
  if (!std::isfinite(zeta)) return o;
  o.zeta = zeta;
  o.shown = Format(zeta, display.decimals, texts);
  return o;
}

void ApplyZetaTakeOver(mainform::MainForm& main, const ValveZetaForm& form, const std::string& zeta) {
  main.elementGroup = 12;
  main.elementKind = 1;
  main.dimensions[0] = form.diameter;
  main.dimensionUnits[0] = form.diameterUnit == 1 ? 1 : 0;
  main.dimensions[1] = zeta;
}

std::span<const units::Unit> StandardFlowUnits() { return kStandardUnits; }

TwoResults CalculateStandardToOperatingDialog(const StandardFlowForm& form, const text::TextStore& texts,
                                              const Display& display) {
  TwoResults o;
  FieldReader read(texts, o);
  const TypedInput standardField{form.standard, Text(texts, kStandardBlock, "StandardLabel"), "Edit_Norm"};
  const TypedInput pressureField{form.pressure, Text(texts, kStandardBlock, "PressureLabel"), "Edit_Druck"};
  const std::optional<long double> standard = read.Number(standardField);
  if (standard && *standard == 0) read.RefuseInvalid(standardField);
  const std::optional<long double> t =
      read.Number({form.temperature, Text(texts, kStandardBlock, "TemperatureLabel"), "Edit_Temp"});
  const std::optional<long double> p = read.Number(pressureField);
  if (!read.Ok()) return o;
  // The pressure is checked in bar: "0 psig" is an atmosphere, "-14.7 psig" none at all.
  const std::optional<long double> bar = Bar(form.pressureUnit, *p);
  if (!bar || !(*bar > 0)) {
    read.RefuseInvalid(pressureField);
    return o;
  }
  const std::optional<long double> kelvin =
      units::TemperatureToKelvin(units::UnitName(units::TemperatureUnits(), form.temperatureUnit), *t);
  if (!kelvin || !(*kelvin > 0)) return o;
  const long double v = OperatingOfStandard(*standard, *kelvin, *bar);
  if (!std::isfinite(v)) return o;
  const int unit = units::UnitAt(kStandardUnits, form.standardUnit) == nullptr ? 2 : form.standardUnit;
  o.value = v;
  o.first = Format(v, display.decimals, texts) + " " +
            std::string(kStandardUnits[static_cast<std::size_t>(unit)].name.substr(1));
  o.second =
      "(= " +
      Format(GallonsPerMinute(v * kStandardUnits[static_cast<std::size_t>(unit)].factor), display.decimals, texts) +
      " gal/min)";
  return o;
}

void CopyGasInlet(const mainform::MainForm& main, StandardFlowForm& form) {
  form.temperature = main.inletTemperature;
  form.temperatureUnit = main.inletTemperatureUnit;
  form.pressure = main.inletPressure;
  form.pressureUnit = main.inletPressureUnit;
}

void ApplyOperatingTakeOver(mainform::MainForm& main, const StandardFlowForm& form, const std::string& flow) {
  main.gas = true;
  main.inletTemperature = form.temperature;
  main.inletTemperatureUnit = form.temperatureUnit;
  main.inletPressure = form.pressure;
  main.inletPressureUnit = form.pressureUnit;
  main.flowKind = 0;
  main.flow = flow;
  // The main list begins "m³/h", "m³/min", "m³/s": the reverse order of the standard list.
  main.flowUnit = form.standardUnit == 0 ? 2 : form.standardUnit == 1 ? 1 : 0;
}

}  // namespace velmora::calculators
