#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "printing/Printing.h"
#include "printing/ShortDisplayList.h"

namespace velmora::gui {

// The printed short display: portrait pages laid out by printing::LayOutShortDisplay.
struct ShortDisplayPrintout {
  printing::ShortDisplayList list;
  std::array<int, 4> columnWidths{};  // the window's columns, in pixels
  QFont font;                         // family and styles; printed in 10 points
  QString title;                      // the print job's name
  std::array<QString, 2> headings;    // the two headings of the first page
};

PrintDocument ShortDisplayDocument(const ShortDisplayPrintout& printout);

}  // namespace velmora::gui
