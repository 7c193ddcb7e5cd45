#pragma once

#include <QFont>
#include <QString>

#include "mainform/MainForm.h"
#include "results/ResultsTable.h"

namespace velmora::gui {

// What the curve is computed from and shown with: the project's table (only read), the main
// window's inputs (the medium), the unit system of the table and of the losses, the caption of the
// results window and its grid font (both for printing).
struct CurveSource {
  const results::ResultsTable* table = nullptr;
  mainform::MainForm form;
  bool us = false;
  QString resultsCaption;
  QFont gridFont = QFont("Arial");
};

}  // namespace velmora::gui
