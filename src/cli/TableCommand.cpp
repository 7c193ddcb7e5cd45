#include "TableCommand.h"

#include <optional>
#include <string>
#include <string_view>

#include "Help.h"
#include "TableOutput.h"
#include "mainform/MainForm.h"
#include "project/ProjectFile.h"
#include "results/RowLabels.h"
#include "results/TableTexts.h"
#include "results/Totals.h"
#include "tablechange/TableChange.h"
#include "text/GlobalTexts.h"

namespace velmora::cli {
namespace {

constexpr int kPrinted = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;
constexpr int kDefaultDecimals = 3;  // the settings' default "Nachkomma"
constexpr int kMaxDecimals = 6;

enum class Format { Text, Csv, Json };

struct TableArguments {
  Format format = Format::Text;
  bool recalculate = false;
  int decimals = kDefaultDecimals;
  std::string file;
};

// The arguments, or nothing after writing the problem and the usage to `err`.
std::optional<TableArguments> ReadArguments(std::span<const char* const> arguments, std::FILE* err) {
  TableArguments read;
  bool fileGiven = false;
  bool optionsEnd = false;
  const auto refuse = [err](const std::string& problem) -> std::optional<TableArguments> {
    std::fprintf(err, "velmora-calc: %s\n%s", problem.c_str(), UsageText);
    return std::nullopt;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!optionsEnd && argument == "--") {
      optionsEnd = true;
    } else if (!optionsEnd && argument == "--recalculate") {
      read.recalculate = true;
    } else if (!optionsEnd && (argument == "--format" || argument == "--decimals")) {
      if (i + 1 == arguments.size()) return refuse(std::string(argument) + " needs a value");
      const std::string_view value = arguments[++i];
      if (argument == "--format") {
        if (value == "text") {
          read.format = Format::Text;
        } else if (value == "csv") {
          read.format = Format::Csv;
        } else if (value == "json") {
          read.format = Format::Json;
        } else {
          return refuse("--format is text, csv or json");
        }
      } else {
        if (value.size() != 1 || value[0] < '0' || value[0] > '0' + kMaxDecimals) {
          return refuse("--decimals is a whole number from 0 to 6");
        }
        read.decimals = value[0] - '0';
      }
    } else if (!optionsEnd && argument.starts_with("-") && argument.size() > 1) {
      return refuse("unknown option " + std::string(argument));
    } else if (fileGiven) {
      return refuse("table reads one project file");
    } else {
      read.file = argument;
      fileGiven = true;
    }
  }
  if (!fileGiven) return refuse("table needs a project file");
  return read;
}

void PrintMessages(const text::Messages& messages, std::FILE* err) {
  for (const text::Message& message : messages) std::fprintf(err, "%s\n", message.text.c_str());
}

// The project's table, or nothing after the program's message on `err`. A file whose cells could
// not be placed is refused as well: an empty table in its place would pass for its content.
std::optional<project::ProjectReadResult> ReadProject(const std::string& file, const text::TextStore& texts,
                                                      std::FILE* err) {
  project::ProjectFileLines lines = project::ReadProjectFile(file);
  const auto fail = [&](const char* key) -> std::optional<project::ProjectReadResult> {
    std::fprintf(err, "%s\n", texts.FormText(text::kMainWindowBlock, key).c_str());
    return std::nullopt;
  };
  if (!lines.ok()) return fail("msgProjectOpenFailed");
  project::ProjectReadResult read = project::ReadProjectLines(std::move(lines.lines), texts, {});
  if (read.status != project::ProjectReadStatus::Loaded || !read.cellsLoaded) return fail("msgInvalidProject");
  return read;
}

}  // namespace

int RunTable(std::span<const char* const> arguments, const text::TextStore& texts, std::FILE* out, std::FILE* err) {
  const std::optional<TableArguments> request = ReadArguments(arguments, err);
  if (!request) return kUsageError;
  std::optional<project::ProjectReadResult> read = ReadProject(request->file, texts, err);
  if (!read) return kFailure;

  results::ResultsTable& table = read->table;
  const results::DisplayOptions options{.decimals = request->decimals, .us = read->appearance.us};
  table.SetLabels(results::RowLabels(texts, options.us));
  if (request->recalculate) {
    mainform::MainForm current = mainform::MainForm::Defaults(texts.edition());
    current.medium = texts.GlobalText(text::global::kDefaultMedium);
    const tablechange::ColumnCalculator calculator(texts, options, current);
    for (const tablechange::ColumnFailure& failure : tablechange::RecalculateTable(table, calculator)) {
      std::fprintf(err, "velmora-calc: column %d kept as stored:\n", failure.column);
      PrintMessages(failure.messages, err);
    }
  }
  results::StatusTexts status =
      table.ElementCount() > 0 ? results::UpdateTotals(table, texts, options) : results::InitialStatus(texts, options);
  status.label = results::WindowText(texts, "TotalLabel");

  std::string text;
  switch (request->format) {
    case Format::Text: text = TableAsText(table, status, results::WindowText(texts, "Label1")); break;
    case Format::Csv: text = TableAsCsv(table, status); break;
    case Format::Json: text = TableAsJson(table, status); break;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
  return written ? kPrinted : kFailure;
}

const char* const TableHelpText = R"(
TABLE
  velmora-calc table [--format text|csv|json] [--recalculate] [--decimals N] FILE

  Prints the results table of the project file FILE (.vlm, the current format
  "6.0" and the older formats "1", "4.0" and "5.0F") in the language the
  program was built for, in the units the file holds (metric, or US when its
  second line is "I"). The row titles and the total are those the results
  window shows; every cell is the table's text as the program shows it, with
  the decimal comma of the edition (a point in the English edition).

  --format text    (default) the project title, the 26 rows with their titles,
                   each column padded to its widest cell, then the total
  --format csv     exactly 26 lines, one per row of the table: the row title,
                   then one field per element column; the total-loss label and
                   the total as a 27th line. No header line. UTF-8, fields
                   quoted as RFC 4180 says (a field holding a comma, a double
                   quote or a line break is quoted, its quotes doubled), lines
                   ended by CR LF
  --format json    one object on one line:
                   {"columns": [[26 cell texts], ...], "labels": [26 texts],
                    "total": "..."}
  --recalculate    recalculates every element column from its own inputs with
                   the hydraulic core, as a change of the table in the program
                   does: the inputs are read back from the column, checked as
                   the main window checks them and calculated anew. A column
                   that cannot be recalculated keeps its stored texts and is
                   named on standard error with the reason: the branch pieces
                   with dividing or combining flow (5/5, 5/6), an element the
                   catalogue does not know, inputs the checks refuse, the gas
                   limit or a calculation error
  --decimals N     decimals of the recalculated values and of the total, 0 to
                   6 (default 3, as the program's settings start)
  --               ends the options (for a FILE whose name starts with -)

  Exit status: 0 the table was printed (also when columns were kept as
  stored); 1 the file cannot be read or is not a valid project file (the
  program's message on standard error, nothing on standard output), or the
  language texts or the output failed; 2 unusable arguments.

  velmora-calc table --format csv "Kühlwasser Halle 3.vlm" > table.csv
  velmora-calc table --recalculate --format json project.vlm
)";

}  // namespace velmora::cli
