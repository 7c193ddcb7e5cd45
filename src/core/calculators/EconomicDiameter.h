#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/CalculatorForm.h"

// The economic nominal diameter of a liquid line (TNennw_Fl_Dlg) or a gas line (TNennw_Ga_Dlg):
// two tables of flow against nominal diameter per class of medium, the standard series and the
// report of the memo.
namespace velmora::calculators {

inline constexpr std::string_view kLiquidDiameterBlock = "Nennw_Fl_Dlg";
inline constexpr std::string_view kGasDiameterBlock = "Nennw_Ga_Dlg";

enum class DiameterTable { LiquidA, LiquidB, GasC, GasD };

// The nominal diameter (mm) a flow Q (m³/h) reaches in a table: linear interpolation between the
// points, rounded half away from zero; 1 below the first point, 2000 above the last.
int TableDiameter(DiameterTable table, long double flow);

// The next lower and higher member of a standard series for a value that is not a member; the
// ends below the first member (1, 1) and above the last (2000, 2000 metric; 30000, 30000 imperial).
struct SeriesNeighbours {
  int lower;
  int upper;
};
std::span<const int> MetricSeries();    // DN in mm
std::span<const int> ImperialSeries();  // thousandths of an inch
bool InSeries(std::span<const int> series, int value);
SeriesNeighbours Neighbours(std::span<const int> series, int value, int below, int above);

// v = Q·4·10000/(DN²·π·36) m/s for Q in m³/h and DN in mm.
long double VelocityInDiameter(long double flow, long double millimetres);

struct EconomicDiameterForm {
  std::string flow;    // Edit_Volumenstrom
  int flowUnit = 0;    // ComboBox1: the 13 volume-flow units
  bool metric = true;  // CheckBox1
};

struct EconomicDiameterOutcome : Outcome {
  std::vector<std::string> memo;        // Memo_Ausgabe, line by line
  std::optional<std::string> flowText;  // the field's new text when 0 became 1
  std::optional<long double> flow;      // m³/h
  std::array<int, 2> tableDiameters{};  // DN (mm) of both tables
};

// The calculate command: an invalid number shows the error box (global text 183, a blank, the flow
// label); a negative flow counts positive, 0 becomes 1; the report of both tables.
EconomicDiameterOutcome CalculateEconomicDiameterDialog(const EconomicDiameterForm& form, bool gas,
                                                        const text::TextStore& texts);

}  // namespace velmora::calculators
