#include "Pipelines.h"

#include <gtest/gtest.h>

#include "hydraulics/ElementCalculation.h"
#include "mainform/CalculateCommand.h"
#include "results/ColumnBuilder.h"
#include "results/DisplayValues.h"

namespace velmora::curve::testing {

mainform::MainForm FormOf(const Typed& typed, text::Edition edition) {
  mainform::MainForm form = mainform::MainForm::Defaults(edition);
  form.elementGroup = typed.group;
  form.elementKind = typed.kind;
  form.dimensions = {};
  for (std::size_t i = 0; i < typed.dimensions.size(); ++i) form.dimensions[i] = typed.dimensions[i];
  form.count = typed.count;
  form.option = typed.option;
  form.branchFlow = typed.branchFlow;
  form.flow = typed.flow;
  form.roughness = "0,05";
  return form;
}

results::ResultsTable Pipeline(std::initializer_list<Typed> elements, const text::TextStore& texts, bool us) {
  results::ResultsTable table;
  for (const Typed& typed : elements) {
    const mainform::MainForm form = FormOf(typed, texts.edition());
    const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, texts);
    EXPECT_TRUE(checks.input.has_value())
        << typed.group << "/" << typed.kind << ": " << (checks.messages.empty() ? "" : checks.messages.front().text);
    if (!checks.input) continue;
    const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(*checks.input);
    results::AppendColumn(table, form, results::DisplayValues(*checks.input, outcome.result, us), outcome.Laminar,
                          texts, {.decimals = 3, .us = us});
  }
  return table;
}

}  // namespace velmora::curve::testing
