#include "PartFiles.h"

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "SourceTable.h"
#include "TextFileWriter.h"
#include "parts/BendCatalogue.h"
#include "parts/CatalogueFile.h"
#include "parts/PipeTables.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"

namespace fs = std::filesystem;

namespace velmora::tools {
namespace {

constexpr std::uint32_t kReproducibleSeed = 20064;
constexpr std::string_view kInformationPrefix = "info_";

// A table of a file: where its lines go and how a source's rows become those lines.
struct FileTable {
  int first = 0;
  int last = 0;
  // The lines of the table from the rows (columns without the information ones) and their names.
  std::function<std::vector<std::string>(const std::vector<std::string>& names,
                                         const std::vector<std::vector<std::string>>& rows)>
      lines;
};

// The columns that go into the file (not the information columns) of every row.
struct Cells {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;
};

Cells WrittenCells(const SourceTable& table) {
  std::vector<std::size_t> kept;
  Cells cells;
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    if (table.columns[i].starts_with(kInformationPrefix)) continue;
    kept.push_back(i);
    cells.names.push_back(table.columns[i]);
  }
  for (const auto& row : table.rows) {
    std::vector<std::string> out;
    for (const std::size_t i : kept) out.push_back(row[i]);
    cells.rows.push_back(std::move(out));
  }
  return cells;
}

// The table files carry decimal commas, as the German original writes them.
std::string WithCommas(std::string field) {
  std::replace(field.begin(), field.end(), '.', ',');
  return field;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += WithCommas(fields[i]);
  }
  // Trailing empty fields carry nothing.
  while (!line.empty() && line.back() == '\t') line.pop_back();
  return line;
}

std::vector<std::string> PlainLines(const std::vector<std::string>&,
                                    const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> lines;
  for (const auto& row : rows) lines.push_back(Join(row));
  return lines;
}

FileTable PipeTable(const parts::PipeTable& table) {
  const bool header = parts::HasHeader(table.layout);
  return {table.first, table.last, [header](const auto& names, const auto& rows) {
            std::vector<std::string> lines;
            if (header) lines.push_back(Join(names));
            for (const auto& row : rows) lines.push_back(Join(row));
            return lines;
          }};
}

// Reducers and tees: the sources list one (first end, second end) pair a row; a line of the file
// carries a first end with all its second ends, laid out as the program reads them.
FileTable FittingTable(int first, int last, const parts::FittingLayout& layout) {
  return {first, last, [layout](const auto&, const auto& rows) {
            const bool heights = layout.branchLengthBase > 0;
            const std::size_t head = static_cast<std::size_t>(layout.countField - 1) + (heights ? 1 : 0);
            const std::size_t branch = static_cast<std::size_t>(layout.stride) + (heights ? 1 : 0);
            std::vector<std::string> lines;
            std::size_t r = 0;
            while (r < rows.size()) {
              const std::vector<std::string> key(rows[r].begin(), rows[r].begin() + static_cast<long>(head));
              std::vector<std::vector<std::string>> ends;
              for (; r < rows.size() && std::equal(key.begin(), key.end(), rows[r].begin()); ++r) {
                if (rows[r].size() < head + branch) throw std::runtime_error("a row has too few cells");
                ends.emplace_back(rows[r].begin() + static_cast<long>(head),
                                  rows[r].begin() + static_cast<long>(head + branch));
              }
              std::vector<std::string> fields(key.begin(), key.begin() + layout.countField - 1);
              fields.push_back(std::to_string(ends.size()));
              for (std::size_t b = 1; b <= ends.size(); ++b) {
                fields.resize(static_cast<std::size_t>(layout.NameField(static_cast<int>(b)) - 1));
                fields.insert(fields.end(), ends[b - 1].begin(), ends[b - 1].begin() + layout.stride);
              }
              if (heights) {
                if (fields.size() >= static_cast<std::size_t>(layout.lengthField)) {
                  throw std::runtime_error(key.front() + " has more branches than its line can hold");
                }
                fields.resize(static_cast<std::size_t>(layout.lengthField - 1));
                fields.push_back(key.back());
                for (const auto& end : ends) fields.push_back(end.back());
              }
              lines.push_back(Join(fields));
            }
            return lines;
          }};
}

std::string SheetWord(parts::FittingSheet sheet) { return sheet == parts::FittingSheet::Din ? "din" : "asme"; }

std::map<std::string, FileTable> TablesOf(const std::string& file) {
  std::map<std::string, FileTable> tables;
  for (const parts::PipeSheet sheet : parts::kPipeSheets) {
    if (parts::PipeFileName(sheet) != file) continue;
    for (const parts::PipeTable& table : parts::PipeTables(sheet)) {
      tables[std::to_string(table.number)] = PipeTable(table);
    }
  }
  if (file == parts::kRectFileName) {
    for (const parts::RectTable& t : parts::RectTables()) {
      const std::string id = std::string(t.sheet == parts::RectSheet::Din ? "din " : "asme ") +
                             std::to_string(t.standard) +
                             (t.shape == parts::RectShape::Square ? " square" : " rectangular");
      tables[id] = {t.first, t.last, PlainLines};
    }
  }
  if (file == parts::kBendFileName) {
    for (const parts::BendTable& t : parts::BendTables()) {
      tables[SheetWord(t.sheet) + " " + std::to_string(t.standard)] = {t.first, t.last, PlainLines};
    }
  }
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    if (file == parts::kReducerFileName) {
      const parts::ReducerTable& t = parts::FindReducerTable(sheet);
      tables[SheetWord(sheet)] = FittingTable(t.first, t.last, parts::ReducerLayout(sheet));
    }
    if (file == parts::kTeeFileName) {
      const parts::TeeTable& t = parts::FindTeeTable(sheet);
      tables[SheetWord(sheet)] = FittingTable(t.first, t.last, parts::TeeLayout(sheet));
    }
  }
  return tables;
}

// The lines of one file: line 1 names it, every table from its manifest row at its own lines.
std::vector<std::string> FileLines(const fs::path& sourceDir, const std::string& file) {
  const std::map<std::string, FileTable> tables = TablesOf(file);
  int length = 1;
  for (const auto& [id, table] : tables) length = std::max(length, table.last);
  std::vector<std::string> lines(static_cast<std::size_t>(length));
  lines[0] = "Velmora\t" + file;

  const fs::path manifest = sourceDir / (fs::path(file).stem().string() + ".tsv");
  const SourceTable sources = ReadSourceTable(manifest);
  std::map<std::string, Cells> collected;
  std::vector<std::string> order;
  for (const auto& row : sources.rows) {
    const std::string& id = row[sources.Column("table")];
    if (!tables.contains(id)) throw std::runtime_error(manifest.string() + ": no table " + id + " in " + file);
    const Cells cells = WrittenCells(ReadSourceTable(sourceDir / row[sources.Column("source")]));
    Cells& into = collected[id];
    if (into.names.empty()) {
      into.names = cells.names;
      order.push_back(id);
    } else if (into.names != cells.names) {
      throw std::runtime_error(manifest.string() + ": the sources of table " + id + " differ in their columns");
    }
    into.rows.insert(into.rows.end(), cells.rows.begin(), cells.rows.end());
  }
  for (const std::string& id : order) {
    const FileTable& table = tables.at(id);
    const std::vector<std::string> tableLines = table.lines(collected[id].names, collected[id].rows);
    if (static_cast<int>(tableLines.size()) > table.last - table.first + 1) {
      throw std::runtime_error(file + ": table " + id + " needs " + std::to_string(tableLines.size()) +
                               " lines, it has " + std::to_string(table.last - table.first + 1));
    }
    for (std::size_t i = 0; i < tableLines.size(); ++i) {
      if (tableLines[i].find_first_not_of('\t') == std::string::npos) {
        throw std::runtime_error(file + ": table " + id + " has an empty row");
      }
      lines[static_cast<std::size_t>(table.first - 1) + i] = tableLines[i];
    }
  }
  return lines;
}

}  // namespace

void WritePartFiles(const fs::path& sourceDir, const fs::path& outputDir) {
  std::mt19937 seeds(kReproducibleSeed);
  fs::create_directories(outputDir);
  const std::vector<std::string> files = {std::string(parts::PipeFileName(parts::PipeSheet::Din)),
                                          std::string(parts::PipeFileName(parts::PipeSheet::Asme)),
                                          std::string(parts::PipeFileName(parts::PipeSheet::Other)),
                                          std::string(parts::kRectFileName),
                                          std::string(parts::kBendFileName),
                                          std::string(parts::kReducerFileName),
                                          std::string(parts::kTeeFileName)};
  for (const std::string& file : files) {
    WriteLinesAtomically(outputDir / file, ScrambleLines(FileLines(sourceDir, file), parts::kPartsKeySlot, seeds));
  }
}

}  // namespace velmora::tools
