#include "Pipelines.h"

#include <gtest/gtest.h>

#include "TestTexts.h"

namespace velmora::tablechange::testing {
namespace {

mainform::MainForm Form(int group, int kind, std::vector<std::string> dimensions) {
  mainform::MainForm form = mainform::MainForm::Defaults('D');
  form.elementGroup = group;
  form.elementKind = kind;
  for (std::size_t i = 0; i < dimensions.size() && i < 5; ++i) form.dimensions[i] = dimensions[i];
  form.flow = "36";
  return form;
}

}  // namespace

mainform::MainForm Water(int group, int kind, std::vector<std::string> dimensions) {
  return Form(group, kind, std::move(dimensions));
}

mainform::MainForm Air(int group, int kind, std::vector<std::string> dimensions) {
  mainform::MainForm form = Form(group, kind, std::move(dimensions));
  form.medium = "Luft";
  form.gas = true;
  form.density = "1,2";
  form.viscosity = "18";
  form.inletPressure = "1";
  form.inletTemperature = "20";
  form.outletTemperature = "20";
  return form;
}

ColumnCalculator Calculator(bool us) {
  return ColumnCalculator(testing_support::Texts('D'), {.decimals = 3, .us = us}, mainform::MainForm::Defaults('D'));
}

results::ResultsTable Table(const std::vector<mainform::MainForm>& forms) {
  const ColumnCalculator calculator = Calculator();
  results::ResultsTable table;
  for (mainform::MainForm form : forms) {
    form.description = "E" + std::to_string(table.ElementCount() + 1);
    ColumnResult result = calculator.Calculate(form, table.ElementCount() + 1);
    EXPECT_TRUE(result.ok()) << form.elementGroup << "/" << form.elementKind << ": "
                             << (result.failure.empty() ? "" : result.failure.front().text);
    if (result.ok()) table.AppendColumn(std::move(*result.column));
  }
  return table;
}

}  // namespace velmora::tablechange::testing
