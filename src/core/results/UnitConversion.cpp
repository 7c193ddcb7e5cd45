#include "results/UnitConversion.h"

#include <optional>
#include <string>

#include "results/TableFormat.h"
#include "units/Numbers.h"

namespace velmora::results {
namespace {

// Factors from the US unit to the metric one.
constexpr long double kGalPerMinToM3PerHour = 0.158987L / 42.0L * 60.0L;  // petroleum barrel of 42 gal
constexpr long double kLbPerCuFtToKgPerM3 = 16.0184655L;
constexpr long double kCentipoiseToMicroPascalSecond = 1000.0L;  // cP to 10⁻⁶ kg/(m·s)
constexpr long double kInchToMm = 25.4L;
constexpr long double kFootToM = 0.3048L;
constexpr long double kSquareYardToM2 = 0.8361274L;
constexpr long double kLbwPerSqFtToMbar = 0.478802653L;
constexpr long double kMbarPerBar = 1000.0L;
constexpr long double kLbwPerSqFtPerPsi = 144.0L;

// A unit of the inputs as it stands before the row's first ":", and its counterpart.
struct InputUnit {
  const char* from;
  const char* to;
  long double factor;  // multiplies the value
  bool firstInputOnly;
};

constexpr InputUnit kToUs[] = {
    {"m²", "sq.yd.", 1.0L / kSquareYardToM2, true},
    {"mm", "in.", 1.0L / kInchToMm, false},
    {"m", "ft.", 1.0L / kFootToM, false},
};
constexpr InputUnit kToMetric[] = {
    {"sq.yd.", "m²", kSquareYardToM2, true},
    {"in.", "mm", kInchToMm, false},
    {"ft.", "m", kFootToM, false},
};

class ColumnConverter {
 public:
  ColumnConverter(ColumnTexts& cells, bool toUs, int decimals, text::Edition edition)
      : cells_(cells), toUs_(toUs), decimals_(decimals), edition_(edition) {}

  void Convert() {
    Scale(row::Flow, kGalPerMinToM3PerHour);
    Scale(row::Density, kLbPerCuFtToKgPerM3);
    Scale(row::Viscosity, kCentipoiseToMicroPascalSecond);
    for (int r = row::Input1; r < row::Input5; ++r) ConvertInput(r);  // input 5 holds no length
    Scale(row::Velocity, kFootToM);
    Scale(row::Velocity2, kFootToM);
    Scale(row::Roughness, kInchToMm);
    Scale(row::BranchLoss, kLbwPerSqFtToMbar, true);
    Scale(row::LossSmall, kLbwPerSqFtToMbar, true);
    // Row 25 follows from the new row 24: bar = mbar/1000, psi = lbw./sq.ft./144.
    if (const auto small = Read(row::LossSmall)) {
      Write(row::LossLarge, *small / (toUs_ ? kLbwPerSqFtPerPsi : kMbarPerBar), true);
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
