#include "project/ProjectWriter.h"

#include "project/ProjectFormat.h"
#include "project/StoredLanguage.h"

namespace velmora::project {
namespace {

// A header text on one line.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

// A cell or gas field: no line break, no tab (a tab would make the reader take it for gas data).
std::string Field(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  return text;
}

std::string Mark(bool marked) { return std::string(marked ? kMarked : kUnmarked); }
std::string Flag(bool on) { return on ? "1" : "0"; }

std::string WidthsLine(const std::vector<int>& widths, int elementCount) {
  std::string line;
  for (int c = 0; c <= elementCount; ++c) {
    const auto index = static_cast<std::size_t>(c);
    line += std::to_string(index < widths.size() ? widths[index] : kDefaultColumnWidth);
    line += '\t';
  }
  return line;
}

std::string GasCell(const std::string& text, const results::TGasinfos& gas) {
  std::string line = Field(text);
  for (const std::string* field : {&gas.inletPressure, &gas.inletTemperature, &gas.outletTemperature, &gas.pressureUnit,
                                   &gas.inletTemperatureUnit, &gas.outletTemperatureUnit}) {
    line += '\t';
    line += Field(*field);
  }
  return line;
}

}  // namespace

std::vector<std::string> WriteProjectLines(const results::ResultsTable& table, const ProjectAppearance& appearance,
                                           const text::TextStore& texts) {
  const int n = table.ElementCount();
  const ProjectAppearance& a = appearance;
  std::vector<std::string> lines = {
      std::string(kCurrentMark),
      OneLine(table.ProjectTitle()),
      a.us ? "I" : "M",
      std::to_string(n),
      Mark(a.scaleToFont),
      std::to_string(a.scaleFontSize),
      Mark(a.fitToPages),
      std::to_string(a.pagesWide),
      Mark(a.wrapText),
      OneLine(a.paperEntry),
      OneLine(a.margins[0]),
      OneLine(a.margins[1]),
      OneLine(a.margins[2]),
      OneLine(a.margins[3]),
      std::to_string(a.marginUnit),
      OneLine(a.footerLine),
      Mark(a.showPathInFooter),
      WidthsLine(a.columnWidths, n),
      std::to_string(a.rowHeight),
      OneLine(a.fontName),
      std::to_string(a.fontColour),
      std::to_string(a.fontSize),
      Flag(a.bold),
      Flag(a.italic),
      Flag(a.underline),
      Flag(a.strikeOut),
  };

  std::vector<results::ResultColumn> columns;
  columns.reserve(static_cast<std::size_t>(n));
  for (int c = 1; c <= n; ++c) columns.push_back(table.Column(c));
  ToStoredLanguage(columns, texts);

  lines.reserve(lines.size() + columns.size() * results::kRowCount);
  for (const results::ResultColumn& column : columns) {
    for (int r = 0; r < results::kRowCount; ++r) {
      const std::string& cell = column.rows[static_cast<std::size_t>(r)];
      // The table model keeps gas data on row 1 only.
      if (r == results::row::Medium && column.gas) {
        lines.push_back(GasCell(cell, *column.gas));
      } else {
        lines.push_back(Field(cell));
      }
    }
  }
  return lines;
}

}  // namespace velmora::project
