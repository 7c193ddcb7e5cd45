#include "curve/CurveText.h"

#include <charconv>

#include "results/TableFormat.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"

namespace velmora::curve {
namespace {

constexpr int kCopiedDecimals = 3;
// The copied losses change to the scientific form outside [0.01, 9999].
constexpr long double kSmallestFixedLoss = 0.01L;

std::string WindowText(const text::TextStore& texts, std::string_view key) {
  return texts.FormText(kCurveWindowBlock, key);
}

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CopiedLoss(long double value, text::Edition edition) {
  if (value < kSmallestFixedLoss) return results::FormatScientific(value, edition);
  return results::FormatLoss(value, kCopiedDecimals, edition);
}

}  // namespace

std::string FullPrecision(long double value) {
  // 18 significant digits, as printf's %.18Lg, independent of the process locale.
  char buffer[48];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 18);
  return std::string(buffer, result.ptr);
}

std::string QuantityInUnit(std::string_view word, std::string_view unit, const text::TextStore& texts) {
  return std::string(word) + " " + texts.GlobalText(text::global::kInWord) + " " + std::string(unit);
}

std::string AxisTitle(std::string_view word, std::string_view unit) {
  return std::string(word) + " (" + std::string(unit) + ")";
}

std::string CopyValuesText(const SystemCurve& curve, const PressureUnit& unit, std::string_view flowUnit,
                           const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  std::string out = QuantityInUnit(WindowText(texts, "wFlow"), flowUnit, texts) + "\t" +
                    QuantityInUnit(WindowText(texts, "wLoss"), unit.name, texts) + "\r\n";
  for (const CurvePoint& point : curve.points) {
    out += results::FormatLoss(point.flow, kCopiedDecimals, edition);
    out += '\t';
    out += CopiedLoss(point.loss * unit.scale, edition);
    out += "\r\n";
  }
  return out;
}

std::string WriteCsv(std::span<const CsvSection> sections) {
  std::string out;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    if (s > 0) out += '\n';
    const CsvSection& section = sections[s];
    for (std::size_t i = 0; i < section.heading.size(); ++i) {
      if (i > 0) out += ',';
      out += CsvCell(section.heading[i]);
    }
    out += '\n';
    for (const auto& row : section.rows) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += ',';
        if (row[i]) out += FullPrecision(*row[i]);
      }
      out += '\n';
    }
  }
  return out;
}

CsvSection PointsSection(const SystemCurve& curve, long double lossScale, std::string flowHeading,
                         std::string lossHeading) {
  CsvSection section;
  section.heading = {std::move(flowHeading), std::move(lossHeading)};
  for (const CurvePoint& point : curve.points) section.rows.push_back({point.flow, point.loss * lossScale});
  return section;
}

CsvSection OperatingPointSection(const std::optional<OperatingPoint>& point, long double lossScale,
                                 std::vector<std::string> heading) {
  CsvSection section;
  section.heading = std::move(heading);
  if (point) {
    section.rows.push_back({point->flow, point->loss * lossScale, point->head});
  } else {
    section.rows.push_back({std::nullopt, std::nullopt, std::nullopt});
  }
  return section;
}

std::vector<std::string> MediumLines(const mainform::MainForm& form, const text::TextStore& texts) {
  const std::string in = texts.GlobalText(text::global::kInWord);
  const std::string phase = texts.GlobalText(form.gas ? text::global::kGasWord : text::global::kLiquidWord);
  const std::string_view density = units::UnitName(units::DensityUnits(), form.densityUnit);
  const std::string_view viscosity = units::UnitName(units::ViscosityUnits(form.viscosityKind), form.viscosityUnit);
  const std::string kind =
      texts.FormText(text::kMainWindowBlock, form.viscosityKind == 1 ? "ComboBox5_1" : "ComboBox5_0");
  return {WindowText(texts, "lblMedium") + " " + form.medium, WindowText(texts, "lblPhase") + " " + phase,
          WindowText(texts, "wDensity") + " " + in + " " + std::string(density) + ": " + form.density,
          kind + " " + in + " " + std::string(viscosity) + ": " + form.viscosity};
}

std::string OperatingPointText(const std::optional<OperatingPoint>& point, std::string_view flowUnit,
                               const PressureUnit& unit, const text::TextStore& texts) {
  if (!point) return WindowText(texts, "msgNoIntersection");
  const text::Edition edition = texts.edition();
  const auto number = [edition](long double value) { return units::FormatNumber(value, kCopiedDecimals, edition); };
  return WindowText(texts, "wOperatingPoint") + ": Q = " + number(point->flow) + " " + std::string(flowUnit) +
         ", Δp = " + number(point->loss * unit.scale) + " " + unit.name + ", H = " + number(point->head) + " m";
}

}  // namespace velmora::curve
