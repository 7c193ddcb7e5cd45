#pragma once

#include "mainform/MainForm.h"
#include "results/ColumnValues.h"
#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::results::testing {

// A calculated element as the main window would hand it over: the form as typed and the figures
// of the column, both in the same display units.
struct Sample {
  mainform::MainForm form;
  ColumnValues values;
  bool laminar = false;
};

// Element (group, kind) with every slot it shows typed as the table writes it (slot n holds
// 40 + 10·n with three decimals), unit entry 0, water at 1 m³/h and a turbulent result.
Sample SampleElement(int group, int kind, text::Edition edition = 'D');

// A table holding one sample column per loss (row 24, in mbar).
ResultsTable TableWithLosses(std::initializer_list<long double> lossesMbar, const text::TextStore& texts,
                             const DisplayOptions& options = {});

}  // namespace velmora::results::testing
