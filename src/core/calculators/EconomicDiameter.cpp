#include "calculators/EconomicDiameter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// Flow (m³/h) at which each nominal diameter is reached: liquids of ν = 1·10⁻⁶ m²/s (A) and
// 100·10⁻⁶ m²/s (B), gases in two duties (C, D). The program's economic-velocity tables (table B is
// 0.28 m/s at DN 10, 1.13 m/s at DN 100 and 2.0 m/s from DN 800 on); valid DN 10 … 1000.
constexpr std::array<long double, 20> kDiameters = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                                    150, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
constexpr std::array<std::array<long double, 20>, 4> kFlows = {{
    {0.22,  1.41,   4.07,    8.23,    14.42,   23,      34.08,   47.77,   63.9,     81.71,
     216.3, 429.77, 1096.76, 2094.56, 3357.58, 4967.23, 6927.21, 9047.79, 11451.11, 14137.17},
    {0.08,  0.52,   1.48,   3.17,   5.51,    8.78,    12.82,   18.1,    24.28,   31.95,
     84.61, 174.17, 440.23, 827.87, 1357.17, 1995.04, 2757.03, 3619.11, 4580.44, 5654.87},
    {0.71,   4.64,    13.56,   28.5,    51.6,     81.43,    121.23,   168.29,   229.02,   300.56,
     821.93, 1696.46, 4351.42, 8278.72, 13571.68, 19950.37, 27431.76, 35829.24, 45346.38, 55983.18},
    {1.98,    12.72,  37.64,    78.22,    135.5,    210.7,    316.71,   439.54,   588.59,    766.23,
     2003.94, 4071.5, 10331.44, 20077.04, 32727.54, 48349.11, 66639.78, 88215.92, 111648.28, 137837.38},
}};

constexpr std::array<int, 23> kMetric = {10,  15,  20,  25,  32,  40,  50,  65,  80,  100, 125, 150,
                                         200, 250, 300, 350, 400, 500, 600, 700, 800, 900, 1000};
constexpr std::array<int, 23> kImperial = {125,  250,  375,  500,  750,   1000,  1250,  1500,  2000,  2500,  3000, 3500,
                                           4000, 5000, 6000, 8000, 10000, 12000, 14000, 16000, 18000, 20000, 24000};

const std::string& Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

struct Report {
  const text::TextStore& texts;
  std::string_view block;
  bool metric;
  long double flow;
  std::vector<std::string>& memo;

  std::string Number(long double value) const { return units::FormatNumber(value, 2, texts.edition()); }

  std::string VelocityLine(long double millimetres, const std::string& size) const {
    const long double v = VelocityInDiameter(flow, millimetres);
    return Text(texts, block, "DnLabel") + ": " + size + " ==> " + Text(texts, block, "VelocityWord") + " " +
           Number(metric ? v : v / units::kFootInMetre) + (metric ? " m/s" : " ft./s");
  }

  void Block(int dn) const {
    if (metric) {
      if (dn > 1000 || dn < 10) {
        memo.push_back(Text(texts, block, "OutOfRange") + (dn > 1000 ? " > 1000 mm!!" : " < 10 mm!!"));
        return;
      }
      memo.push_back(Text(texts, block, "ComputedLabel") + ": " + std::to_string(dn) + " mm");
      const auto line = [&](int size) { memo.push_back(VelocityLine(size, "DN " + std::to_string(size))); };
      if (InSeries(kMetric, dn)) {
        line(dn);
      } else {
        const SeriesNeighbours n = Neighbours(kMetric, dn, 1, 2000);
        line(n.lower);
        line(n.upper);
      }
      return;
    }
    const long double thousandths = units::RoundHalfAway(dn / units::kInchInMm * 1000.0L);
    const int size = static_cast<int>(thousandths);
    if (size > 24000 || size < 125) {
      memo.push_back(Text(texts, block, "OutOfRange") + (size > 24000 ? " > 24 in.!!" : " < 0.125 in.!!"));
      return;
    }
    const auto inches = [&](int s) { return Number(s / 1000.0L) + " in."; };
    memo.push_back(Text(texts, block, "ComputedLabel") + ": " + inches(size));
    if (InSeries(kImperial, size)) {
      memo.push_back(VelocityLine(dn, inches(size)));
    } else {
      const SeriesNeighbours n = Neighbours(kImperial, size, 1, 30000);
      for (const int s : {n.lower, n.upper}) memo.push_back(VelocityLine(s * units::kInchInMm / 1000.0L, inches(s)));
    }
  }
};

}  // namespace

int TableDiameter(DiameterTable table, long double flow) {
  const auto& flows = kFlows[static_cast<std::size_t>(table)];
  if (flow < flows.front()) return 1;
  if (flow > flows.back()) return 2000;
  std::size_t upper = 1;
  while (upper + 1 < flows.size() && flows[upper] < flow) ++upper;
  const std::size_t lower = upper - 1;
  const long double dn = kDiameters[lower] + (flow - flows[lower]) * (kDiameters[upper] - kDiameters[lower]) /
                                                 (flows[upper] - flows[lower]);
  return static_cast<int>(units::RoundHalfAway(dn));
}

std::span<const int> MetricSeries() { return kMetric; }
std::span<const int> ImperialSeries() { return kImperial; }

bool InSeries(std::span<const int> series, int value) {
  return std::find(series.begin(), series.end(), value) != series.end();
}

SeriesNeighbours Neighbours(std::span<const int> series, int value, int below, int above) {
  if (value < series.front()) return {below, below};
  if (value > series.back()) return {above, above};
  const auto next = std::upper_bound(series.begin(), series.end(), value);
  return {*(next - 1), *next};
}

long double VelocityInDiameter(long double flow, long double millimetres) {
  return flow * 4.0L * 10000.0L / (millimetres * millimetres * kPi * 36.0L);
}

EconomicDiameterOutcome CalculateEconomicDiameterDialog(const EconomicDiameterForm& form, bool gas,
                                                        const text::TextStore& texts) {
  EconomicDiameterOutcome o;
  const std::string_view block = gas ? kGasDiameterBlock : kLiquidDiameterBlock;
  const std::optional<long double> typed = units::ParseNumber(form.flow);
  if (!typed) {
    o.refused = "Edit_Volumenstrom";
    o.messages.push_back({texts.GlobalText(text::global::kInvalidInput) + " " + Text(texts, block, "FlowLabel"),
                          texts.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error,
                          "Edit_Volumenstrom"});
    return o;
  }
  long double value = std::fabs(*typed);
  std::string shownFlow = form.flow;
  if (value == 0) {
    value = 1;
    shownFlow = texts.edition() == 'E' ? "1.0" : "1,0";
    o.flowText = shownFlow;
  }
  const long double flow = InBase(FlowUnits(0), form.flowUnit, value);
  o.flow = flow;
  std::vector<std::string>& memo = o.memo;
  memo.push_back(Text(texts, block, "ReportTitle"));
  memo.push_back(Text(texts, block, "FlowWord") + " " + shownFlow + " " +
                 std::string(units::UnitName(FlowUnits(0), form.flowUnit)) + ":");
  memo.emplace_back();
  const Report report{texts, block, form.metric, flow, memo};
  const DiameterTable tables[2] = {gas ? DiameterTable::GasC : DiameterTable::LiquidA,
                                   gas ? DiameterTable::GasD : DiameterTable::LiquidB};
  for (int i = 0; i < 2; ++i) {
    std::string heading = Text(texts, block, i == 0 ? "Heading1" : "Heading2");
    if (i == 0) heading += " (" + Text(texts, block, "HeadingWord");
    if (gas) {
      heading += form.metric ? " 1 bar)" : " 15 psi)";
    } else if (i == 0) {
      heading += form.metric ? "10^-6 m²/s)" : "10^-5 sq.ft./s)";
    } else {
      heading += form.metric ? " (100*10^-6 m²/s)" : " (100*10^-5 sq.ft./s)";
    }
    memo.push_back(heading);
    const int dn = TableDiameter(tables[i], flow);
    o.tableDiameters[static_cast<std::size_t>(i)] = dn;
    report.Block(dn);
    memo.emplace_back();
  }
  return o;
}

}  // namespace velmora::calculators
