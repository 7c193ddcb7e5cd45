#include "results/UnitConversion.h"

#include <optional>
#include <string>

#include "results/TableFormat.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::results {
namespace {

// Each factor is the metric size of one US unit.
using units::kCentipoiseInMicroPascalSecond;
using units::kFootInMetre;
using units::kInchInMm;
using units::kLbwPerSquareFootInMbar;
using units::kPoundPerCubicFootInKgPerCubicMetre;
using units::kSquareInchesPerSquareFoot;
using units::kSquareYardInSquareMetre;

// m³/h per gal/min: a barrel of 42 gal per hour, times 60 min per hour.
constexpr long double kGalPerMinInCubicMetrePerHour = units::kBarrelInCubicMetre / units::kGallonsPerBarrel * 60.0L;
constexpr long double kMbarPerBar = 1000.0L;

// A unit of the inputs as it stands before the row's first ":", and its counterpart.
struct InputUnit {
  const char* from;
  const char* to;
  long double factor;  // multiplies the value
  bool firstInputOnly;
};

constexpr InputUnit kToUs[] = {
    {"m²", "sq.yd.", 1.0L / kSquareYardInSquareMetre, true},
    {"mm", "in.", 1.0L / kInchInMm, false},
    {"m", "ft.", 1.0L / kFootInMetre, false},
};
constexpr InputUnit kToMetric[] = {
    {"sq.yd.", "m²", kSquareYardInSquareMetre, true},
    {"in.", "mm", kInchInMm, false},
    {"ft.", "m", kFootInMetre, false},
};

class ColumnConverter {
 public:
  ColumnConverter(ColumnTexts& cells, bool toUs, int decimals, text::Edition edition)
      : cells_(cells), toUs_(toUs), decimals_(decimals), edition_(edition) {}

  void Convert() {
    Scale(row::Flow, kGalPerMinInCubicMetrePerHour);
    Scale(row::Density, kPoundPerCubicFootInKgPerCubicMetre);
    Scale(row::Viscosity, kCentipoiseInMicroPascalSecond);
    for (int r = row::Input1; r < row::Input5; ++r) ConvertInput(r);  // input 5 holds no length
    Scale(row::Velocity, kFootInMetre);
    Scale(row::Velocity2, kFootInMetre);
    Scale(row::Roughness, kInchInMm);
    Scale(row::BranchLoss, kLbwPerSquareFootInMbar, true);
    Scale(row::LossSmall, kLbwPerSquareFootInMbar, true);
    // Row 25 follows from the new row 24: bar = mbar/1000, psi = lbw./sq.ft./144.
    if (const auto small = Read(row::LossSmall)) {
      Write(row::LossLarge, *small / (toUs_ ? kSquareInchesPerSquareFoot : kMbarPerBar), true);
    }
  }

 private:
  std::optional<long double> Read(int r) const {
    const std::string& text = cells_[static_cast<std::size_t>(r)];
    if (text.empty()) return std::nullopt;
    return units::ParseNumber(text);
  }

  std::string Format(long double value, bool loss) const {
    return loss ? FormatLoss(value, decimals_, edition_) : FormatValue(value, decimals_, edition_);
  }

  void Write(int r, long double value, bool loss) { cells_[static_cast<std::size_t>(r)] = Format(value, loss); }

  // metricPerUs: how many metric units one US unit is.
  void Scale(int r, long double metricPerUs, bool loss = false) {
    if (const auto value = Read(r)) Write(r, toUs_ ? *value / metricPerUs : *value * metricPerUs, loss);
  }

  // "<label> in <unit>: <value>" gets the other system's unit and the converted value.
  void ConvertInput(int r) {
    std::string& text = cells_[static_cast<std::size_t>(r)];
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return;
    const std::string head = text.substr(0, colon);
    for (const InputUnit& unit : toUs_ ? kToUs : kToMetric) {
      if (unit.firstInputOnly && r != row::Input1) continue;
      const std::string suffix = std::string(" ") + unit.from;
      if (head.size() < suffix.size() || head.compare(head.size() - suffix.size(), suffix.size(), suffix) != 0) {
        continue;
      }
      std::size_t start = colon + 1;
      if (start < text.size() && text[start] == ' ') ++start;
      const auto value = units::ParseNumber(text.substr(start));
      if (!value) return;
      text = head.substr(0, head.size() - suffix.size()) + " " + unit.to + ": " + Format(*value * unit.factor, false);
      return;
    }
  }

  ColumnTexts& cells_;
  bool toUs_;
  int decimals_;
  text::Edition edition_;
};

}  // namespace

void ConvertTableUnits(ResultsTable& table, bool toUs, int decimals, const text::TextStore& texts) {
  for (int column = 1; column <= table.ElementCount(); ++column) {
    ColumnConverter(table.Column(column).rows, toUs, decimals, texts.edition()).Convert();
  }
}

}  // namespace velmora::results
