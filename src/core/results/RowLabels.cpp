#include "results/RowLabels.h"

#include "results/TableTexts.h"

namespace velmora::results {

ColumnTexts RowLabels(const text::TextStore& texts, bool us) {
  const auto word = [&](std::string_view key) -> const std::string& { return WindowText(texts, key); };
  // "<word> in <unit>:" with the unit of the display system.
  const std::string in = " " + texts.GlobalText(global_text::InWord) + " ";
  const auto withUnit = [&](const std::string& head, const char* metric, const char* usUnit) {
    return head + in + (us ? usUnit : metric) + ":";
  };

  ColumnTexts labels;
  labels[row::Number] = word("wElementNr") + ":";
  labels[row::Medium] = word("wMedium") + ":";  // as the main window titles the medium
  labels[row::Flow] = withUnit(word("wFlow"), "m³/h", "gal/min");
  labels[row::Density] = withUnit(word("wDensity"), "kg/m³", "lb./cu.ft.");
  labels[row::Viscosity] = withUnit(word("wViscosity"), "10-6 kg/ms", "cP");
  labels[row::Description] = word("wDescription") + ":";
  labels[row::Kind] = word("wKind") + "/" + word("wCount") + ":";
  labels[row::Input1] = word("wInputs") + ":";
  labels[row::Velocity] = withUnit(word("wVelocity"), "m/s", "ft./s");
  labels[row::Reynolds] = word("wReynolds") + ":";
  labels[row::Velocity2] = withUnit(word("wVelocity") + "2", "m/s", "ft./s");
  labels[row::Reynolds2] = word("wReynolds") + " 2:";
  labels[row::Regime] = word("wRegime") + ":";
  labels[row::Roughness] = withUnit(word("wRoughness"), "mm", "in.");
  labels[row::Lambda] = word("wLambda") + ":";
  labels[row::Zeta] = word("wZeta") + ":";
  labels[row::Zeta2] = word("wZeta") + " " + word("wBranch") + ":";
  labels[row::BranchLoss] = word("wLoss") + " " + word("wBranch") + (us ? " lbw./sq.ft.:" : " mbar:");
  labels[row::LossSmall] = withUnit(word("wLoss"), "mbar", "lbw./sq.ft.");
  labels[row::LossLarge] = withUnit(word("wLoss"), "bar", "psi");
  return labels;
}

}  // namespace velmora::results
