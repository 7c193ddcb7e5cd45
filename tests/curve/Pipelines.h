#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "mainform/MainForm.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::curve::testing {

// One element as typed into the main window: (group, kind), its dimensions, the count.
struct Typed {
  int group;
  int kind;
  std::vector<std::string> dimensions;
  std::string count = "1";
  int option = 0;
  std::string branchFlow = {};
  std::string flow = "1";  // m³/h
};

// The main window's defaults (water, 1 m³/h) with the element typed in.
mainform::MainForm FormOf(const Typed& typed, text::Edition edition = 'D');

// A results table as the main window builds it: each element checked, calculated and appended
// with 3 decimals, in metric or US units.
results::ResultsTable Pipeline(std::initializer_list<Typed> elements, const text::TextStore& texts, bool us = false);

}  // namespace velmora::curve::testing
