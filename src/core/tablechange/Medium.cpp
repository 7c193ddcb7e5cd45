#include "tablechange/Medium.h"

namespace velmora::tablechange {

Medium Medium::Of(const mainform::MainForm& form) {
  return {form.medium,      form.flowKind,      form.flow,      form.flowUnit,      form.density,
          form.densityUnit, form.viscosityKind, form.viscosity, form.viscosityUnit, form.gas};
}

void Medium::WriteInto(mainform::MainForm& form) const {
  form.medium = medium;
  form.flowKind = flowKind;
  form.flow = flow;
  form.flowUnit = flowUnit;
  form.density = density;
  form.densityUnit = densityUnit;
  form.viscosityKind = viscosityKind;
  form.viscosity = viscosity;
  form.viscosityUnit = viscosityUnit;
  form.gas = gas;
}

}  // namespace velmora::tablechange
