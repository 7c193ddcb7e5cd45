#include "calculators/OrificeDesignDialog.h"

#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

constexpr std::string_view kBlock = kOrificeDesignBlock;

const std::string& Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kBlock, key); }

// The entry of `list` named `name`, or −1 when the list has none.
int IndexNamed(std::span<const units::Unit> list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

void CopyMainInputs(const mainform::MainForm& main, OrificeDesignForm& form) {
  form.medium = main.medium;
  form.flowKind = main.flowKind == 1 ? 1 : 0;
  const units::Unit* unit = units::UnitAt(units::FlowUnits(main.flowKind), main.flowUnit);
  form.flowUnit = unit == nullptr ? -1 : IndexNamed(FlowUnits(form.flowKind), unit->name);
  form.flow = unit != nullptr && unit->standard ? std::string() : main.flow;
  form.density = main.density;
  form.densityUnit = main.densityUnit;
  form.viscosityKind = main.viscosityKind == 1 ? 1 : 0;
  form.viscosity = main.viscosity;
  form.viscosityUnit = main.viscosityUnit;
}

OrificeDesignLabels OrificeDesignCaptions(const text::TextStore& texts, int kind, int flowKind, int viscosityKind) {
  OrificeDesignLabels labels;
  labels.flow = Text(texts, flowKind == 1 ? "FlowMass" : "FlowVolume");
  labels.density = Text(texts, "DensityLabel");
  labels.viscosity = Text(texts, viscosityKind == 1 ? "ViscosityKinematic" : "ViscosityDynamic");
  labels.pipeDiameter = Text(texts, "DiameterWord") + " D1:";
  if (kind == 1) labels.edge = Text(texts, "RadiusWord") + " R:";
  if (kind == 2) labels.edge = Text(texts, "LengthWord") + " L:";
  labels.pressureLoss = Text(texts, "PressureLossLabel");
  return labels;
}

OrificeDesignOutcome CalculateOrificeDesignDialog(const OrificeDesignForm& form, const text::TextStore& texts,
                                                  const Display& display) {
  OrificeDesignOutcome outcome;
  const OrificeDesignLabels labels = OrificeDesignCaptions(texts, form.kind, form.flowKind, form.viscosityKind);
  FieldReader read(texts, outcome);
  const TypedInput flowField{form.flow, labels.flow, "Eingabe_Volumenstrom"};
  const TypedInput densityField{form.density, labels.density, "Eingabe_Dichte"};
  const TypedInput viscosityField{form.viscosity, labels.viscosity, "Eingabe_Viskositaet"};
  const std::optional<long double> flow = read.Number(flowField);
  const std::optional<long double> density = read.Number(densityField);
  const std::optional<long double> viscosity = read.Number(viscosityField);
  read.Check(flowField, flow);
  read.Check(densityField, density);
  read.Check(viscosityField, viscosity);
  const std::optional<long double> pipe = read.Checked({form.pipeDiameter, labels.pipeDiameter, "Edit1"});
  std::optional<long double> edge = 0.0L;
  if (form.kind == 1 || form.kind == 2) edge = read.Checked({form.edge, labels.edge, "Edit2"});
  const std::optional<long double> loss = read.Checked({form.pressureLoss, labels.pressureLoss, "Edit3"});
  if (!read.Ok()) return outcome;

  OrificeDesignInput input;
  input.kind = static_cast<OrificeKind>(form.kind == 1 || form.kind == 2 ? form.kind : 0);
  input.density = InBase(units::DensityUnits(), form.densityUnit, *density);
  input.flow = InBase(FlowUnits(form.flowKind), form.flowUnit, *flow, input.density);
  input.viscosity = InBase(units::ViscosityUnits(form.viscosityKind), form.viscosityUnit, *viscosity, input.density);
  input.pipeDiameter = InBase(MillimetreUnits(), form.lengthUnit, *pipe);
  input.edge = InBase(MillimetreUnits(), form.lengthUnit, *edge);
  input.pressureLoss = InBase(PressureUnits(), form.pressureUnit, *loss);

  const OrificeDesign design = DesignOrifice(input);
  outcome.design = design;
  switch (design.status) {
    case OrificeDesignStatus::Failure: Fail(outcome, texts, Text(texts, "msgFailure")); return outcome;
    case OrificeDesignStatus::NoOrificeNeeded: Warn(outcome, texts, Text(texts, "msgNoOrifice")); return outcome;
    case OrificeDesignStatus::Bore: break;
  }
  if (design.validityWarning) {
    Warn(outcome, texts,
         Text(texts, std::string("msgWarning") + static_cast<char>('0' + static_cast<int>(input.kind))));
  }
  const long double shown = display.us ? design.bore / units::kInchInMm : design.bore;
  outcome.result = Text(texts, "ResultPrefix") + " " + ResultText(shown, display.decimals, texts.edition()) + " " +
                   (display.us ? "in." : "mm");
  return outcome;
}

}  // namespace velmora::calculators
