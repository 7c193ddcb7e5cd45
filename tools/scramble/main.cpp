// velmora-scramble: turns the readable sources under data/ into the files of the program folder.
//
//   velmora-scramble texts SOURCE_DIR OUTPUT_DIR
//       data/texts/global.tsv   -> varglob.gru  (scrambled, key slot 3)
//       data/texts/forms/*.tsv  -> varsonst.gru (scrambled, key slot 3; one block per file)
//       data/texts/elements.tsv -> elemente.gru (plain)
//   velmora-scramble lines SLOT SOURCE OUTPUT
//       every line of SOURCE that is not a '#' comment, scrambled with the key of SLOT.
//   velmora-scramble rows SLOT SOURCE OUTPUT
//       the same without the header (the first line that is not a comment); SLOT 0 writes the
//       rows as plain text.
//   velmora-scramble parts SOURCE_DIR OUTPUT_DIR
//       data/parts/*.tsv and their sources -> the standard-part tables *.nfk (scrambled, key slot 3)

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "PartFiles.h"
#include "SourceTable.h"
#include "TextFileWriter.h"
#include "text/TextFiles.h"

namespace fs = std::filesystem;
using velmora::tools::ReadSourceTable;
using velmora::tools::SourceTable;

namespace {

constexpr int kLastGlobalLine = 191;
constexpr std::uint32_t kReproducibleSeed = 20061;  // any fixed start keeps builds byte-identical
const char* const kLanguages[] = {"D", "E", "F", "H"};

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += fields[i];
  }
  return line;
}

std::vector<std::string> LanguageCells(const SourceTable& table, const std::vector<std::string>& row) {
  std::vector<std::string> cells;
  for (const char* language : kLanguages) cells.push_back(row[table.Column(language)]);
  return cells;
}

int ParseLineNumber(const std::string& text, const fs::path& source) {
  std::size_t used = 0;
  int value = -1;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {}
  if (used != text.size() || value < 0 || value > kLastGlobalLine) {
    throw std::runtime_error(source.string() + ": bad line number '" + text + "'");
  }
  return value;
}

// varglob.gru: lines 0..191 by number (field 1 the number, field 2 the id), then the vocabulary.
std::vector<std::string> GlobalLines(const fs::path& source) {
  const SourceTable table = ReadSourceTable(source);
  std::vector<std::string> lines(kLastGlobalLine + 1);
  std::vector<std::string> vocabulary;
  for (const auto& row : table.rows) {
    std::vector<std::string> fields = {row[table.Column("line")], row[table.Column("id")], ""};
    for (std::string& cell : LanguageCells(table, row)) fields.push_back(std::move(cell));
    if (fields[0] == "x") {
      vocabulary.push_back(Join(fields));
      continue;
    }
    const int number = ParseLineNumber(fields[0], source);
    if (!lines[static_cast<std::size_t>(number)].empty()) {
      throw std::runtime_error(source.string() + ": line " + fields[0] + " given twice");
    }
    lines[static_cast<std::size_t>(number)] = Join(fields);
  }
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (lines[n].empty()) lines[n] = std::to_string(n) + "\t(unused)";
  }
  lines.insert(lines.end(), vocabulary.begin(), vocabulary.end());
  return lines;
}

// varsonst.gru: one block per source file, in file-name order; the block's first line carries the
// window name in field 1, every line its key in field 2.
std::vector<std::string> FormLines(const fs::path& folder) {
  std::vector<fs::path> sources;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".tsv") sources.push_back(entry.path());
  }
  std::sort(sources.begin(), sources.end());
  std::vector<std::string> lines;
  for (const fs::path& source : sources) {
    const SourceTable table = ReadSourceTable(source);
    const std::string window = source.stem().string();
    bool first = true;
    for (const auto& row : table.rows) {
      std::vector<std::string> fields = {first ? window : "", row[table.Column("key")], ""};
      for (std::string& cell : LanguageCells(table, row)) fields.push_back(std::move(cell));
      lines.push_back(Join(fields));
      first = false;
    }
  }
  return lines;
}

// elemente.gru: group g at line g + 1, kind (g, k) at line 9g + k + 14; fields 1 and 2 hold g and k.
std::vector<std::string> CatalogueLines(const fs::path& source) {
  const SourceTable table = ReadSourceTable(source);
  std::vector<std::string> lines(141);
  lines[0] = "Velmora\telement catalogue";
  lines[1] = "group\tkind\tD\tE\tF\tH";
  for (const auto& row : table.rows) {
    const int group = std::stoi(row[table.Column("group")]);
    const int kind = std::stoi(row[table.Column("kind")]);
    if (group < 1 || group > 13 || kind < 0 || kind > 9) {
      throw std::runtime_error(source.string() + ": no such element " + std::to_string(group) + "/" +
                               std::to_string(kind));
    }
    std::vector<std::string> fields = {std::to_string(group), std::to_string(kind)};
    for (std::string& cell : LanguageCells(table, row)) fields.push_back(std::move(cell));
    lines[static_cast<std::size_t>(kind == 0 ? group + 1 : 9 * group + kind + 14)] = Join(fields);
  }
  return lines;
}

int Texts(const fs::path& sourceDir, const fs::path& outputDir) {
  std::mt19937 seeds(kReproducibleSeed);
  fs::create_directories(outputDir);
  velmora::tools::WriteLinesAtomically(outputDir / "varsonst.gru",
                                       velmora::tools::ScrambleLines(FormLines(sourceDir / "forms"), 3, seeds));
  velmora::tools::WriteLinesAtomically(outputDir / "varglob.gru",
                                       velmora::tools::ScrambleLines(GlobalLines(sourceDir / "global.tsv"), 3, seeds));
  velmora::tools::WriteLinesAtomically(outputDir / "elemente.gru", CatalogueLines(sourceDir / "elements.tsv"));
  return 0;
}

int Lines(int slot, const fs::path& source, const fs::path& output, bool withHeader) {
  std::vector<std::string> lines;
  bool header = !withHeader;
  for (std::string& line : velmora::text::ReadLines(source)) {
    if (!line.empty() && line.front() == '#') continue;
    if (header) {
      header = false;
      continue;
    }
    lines.push_back(std::move(line));
  }
  if (slot == 0) {
    velmora::tools::WriteLinesAtomically(output, lines);
    return 0;
  }
  std::mt19937 seeds(kReproducibleSeed);
  velmora::tools::WriteLinesAtomically(output, velmora::tools::ScrambleLines(lines, slot, seeds));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "texts") return Texts(args[1], args[2]);
    if (args.size() == 4 && args[0] == "lines") return Lines(std::stoi(args[1]), args[2], args[3], true);
    if (args.size() == 4 && args[0] == "rows") return Lines(std::stoi(args[1]), args[2], args[3], false);
    if (args.size() == 3 && args[0] == "parts") {
      velmora::tools::WritePartFiles(args[1], args[2]);
      return 0;
    }
    std::cerr << "usage: velmora-scramble texts SOURCE_DIR OUTPUT_DIR\n"
                 "       velmora-scramble lines SLOT SOURCE OUTPUT\n"
                 "       velmora-scramble rows SLOT SOURCE OUTPUT\n"
                 "       velmora-scramble parts SOURCE_DIR OUTPUT_DIR\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "velmora-scramble: " << error.what() << "\n";
    return 1;
  }
}
