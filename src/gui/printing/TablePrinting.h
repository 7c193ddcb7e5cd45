#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "printing/PageSetup.h"
#include "printing/Printing.h"
#include "project/ProjectAppearance.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::gui {

// What the printed results table is made of besides the page setup.
struct TablePrintSource {
  const results::ResultsTable* table = nullptr;  // outlives the document
  QString total;                                 // the status bar's label and totals
  QString filePath;                              // the project's file; empty while untitled
  QFont font;                                    // the results grid's font: family and styles
  double gridDpi = 96;                           // the grid's screen, for its column widths in ems
};

// The printed table: landscape on the page setup's paper, laid out by the page setup (the grid's
// column widths from `appearance` when wrapping). When the printer's paper leaves no room inside
// the margins the painter draws nothing, returns false and sets *noRoom.
PrintDocument TableDocument(const TablePrintSource& source, const printing::PageSetup& setup,
                            const project::ProjectAppearance& appearance, const text::TextStore& texts,
                            std::shared_ptr<bool> noRoom = nullptr);

// A paper of the page setup's list as Qt knows it (portrait).
QPageSize PageSizeOf(std::string_view paperEntry);

}  // namespace velmora::gui
