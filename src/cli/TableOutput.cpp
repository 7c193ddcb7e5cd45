#include "TableOutput.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "ResultLine.h"

namespace velmora::cli {
namespace {

using results::kRowCount;

// Characters as a terminal shows them: every byte but UTF-8 continuation bytes starts one.
std::size_t Width(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

void AppendCsvField(std::string& out, const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendCsvLine(std::string& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    AppendCsvField(out, fields[i]);
  }
  out += "\r\n";
}

std::string TableAsText(const results::ResultsTable& table, const results::StatusTexts& status,
                        const std::string& projectLabel) {
  const int columns = table.ElementCount() + 1;  // the titles and the elements
  std::vector<std::size_t> widths(static_cast<std::size_t>(columns), 0);
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < kRowCount; ++r) {
      widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], Width(table.Cell(c, r)));
    }
  }
  std::string out;
  if (!table.ProjectTitle().empty()) out += projectLabel + " " + table.ProjectTitle() + "\n\n";
  for (int r = 0; r < kRowCount; ++r) {
    std::string line;
    for (int c = 0; c < columns; ++c) {
      const std::string& cell = table.Cell(c, r);
      if (c > 0) line += "  ";
      line += cell;
      line.append(widths[static_cast<std::size_t>(c)] - Width(cell), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  out += "\n" + status.label + " " + status.totals + "\n";
  return out;
}

std::string TableAsCsv(const results::ResultsTable& table, const results::StatusTexts& status) {
  std::string out;
  for (int r = 0; r < kRowCount; ++r) {
    std::vector<std::string> fields;
    for (int c = 0; c <= table.ElementCount(); ++c) fields.push_back(table.Cell(c, r));
    AppendCsvLine(out, fields);
  }
  AppendCsvLine(out, {status.label, status.totals});
  return out;
}

std::string TableAsJson(const results::ResultsTable& table, const results::StatusTexts& status) {
  // The 26 texts of grid column c as a JSON array.
  const auto appendColumn = [&table](std::string& out, int c) {
    out += '[';
    for (int r = 0; r < kRowCount; ++r) {
      if (r > 0) out += ',';
      AppendJsonString(out, table.Cell(c, r));
    }
    out += ']';
  };
  std::string out = "{\"columns\":[";
  for (int c = 1; c <= table.ElementCount(); ++c) {
    if (c > 1) out += ',';
    appendColumn(out, c);
  }
  out += "],\"labels\":";
  appendColumn(out, 0);
  out += ",\"total\":";
  AppendJsonString(out, status.totals);
  out += "}\n";
  return out;
}

}  // namespace velmora::cli
