#pragma once

#include <string>
#include <vector>

#include "results/ResultsTable.h"
#include "results/Totals.h"

// A project's results table written for velmora-calc table.
namespace velmora::cli {

// Aligned text: the project title (when there is one) and a blank line, the 26 rows with the row
// titles and each element column padded to its widest cell, then the total-loss label and the
// totals. `projectLabel` is the results window's "Projekt:".
std::string TableAsText(const results::ResultsTable& table, const results::StatusTexts& status,
                        const std::string& projectLabel);

// CSV (RFC 4180, CR LF line ends): 26 lines of the row title and one field per element column,
// then the total-loss label and the totals as a 27th line. No header line.
std::string TableAsCsv(const results::ResultsTable& table, const results::StatusTexts& status);

// One JSON object: {"columns": [[26 cell texts], ...], "labels": [26 texts], "total": "..."}.
std::string TableAsJson(const results::ResultsTable& table, const results::StatusTexts& status);

// A CSV field (quoted when it holds a comma, a quote or a line break) and a CSV line with CR LF.
void AppendCsvField(std::string& out, const std::string& field);
void AppendCsvLine(std::string& out, const std::vector<std::string>& fields);

}  // namespace velmora::cli
