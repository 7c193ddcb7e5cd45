// velmora-zeta-files: turns the readable zeta tables of data/zeta into the files the zeta database
// reads, one per manufacturer.
//
//   velmora-zeta-files SOURCE.tsv OUTPUT.ZTA [SOURCE.tsv OUTPUT.ZTA ...]
//
// A source holds one row per fitting and nominal diameter with the columns "designation", "DN"
// and "zeta" (decimal points; '#' lines are comments, the first other line the header). The
// output has one line per fitting in the order of the source: designation TAB DN TAB zeta ...,
// decimal commas, CR LF. Every file is read back with the program's own reader before it is kept.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "coefficients/ZetaDatabase.h"
#include "text/FieldOf.h"
#include "text/TextFiles.h"
#include "units/Numbers.h"

namespace fs = std::filesystem;

namespace {

struct Fitting {
  std::string designation;
  std::vector<std::string> fields;  // DN, zeta, DN, zeta, ...
};

int ColumnOf(const std::string& header, const std::string& name, const fs::path& source) {
  for (int k = 1;; ++k) {
    const std::string column = velmora::text::FieldOf(header, k);
    if (column == name) return k;
    if (column.empty()) throw std::runtime_error(source.string() + ": no column " + name);
  }
}

std::vector<Fitting> ReadSource(const fs::path& source) {
  std::vector<Fitting> fittings;
  std::string header;
  int designation = 0, diameter = 0, zeta = 0;
  std::size_t lineNumber = 0;
  for (const std::string& line : velmora::text::ReadLines(source)) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    if (header.empty()) {
      header = line;
      designation = ColumnOf(header, "designation", source);
      diameter = ColumnOf(header, "DN", source);
      zeta = ColumnOf(header, "zeta", source);
      continue;
    }
    const std::string name = velmora::text::FieldOf(line, designation);
    const std::string dn = velmora::text::FieldOf(line, diameter);
    std::string value = velmora::text::FieldOf(line, zeta);
    const auto d = velmora::units::ParseNumber(dn);
    const auto z = velmora::units::ParseNumber(value);
    if (name.empty() || dn.empty() || value.empty() || !d || *d <= 0 || !z || *z < 0 ||
        value.find(',') != std::string::npos) {
      throw std::runtime_error(source.string() + ":" + std::to_string(lineNumber) + ": not a fitting, DN and zeta");
    }
    for (char& c : value) {
      if (c == '.') c = ',';
    }
    if (fittings.empty() || fittings.back().designation != name) fittings.push_back({name, {}});
    fittings.back().fields.push_back(dn);
    fittings.back().fields.push_back(value);
  }
  return fittings;
}

void Write(const std::vector<Fitting>& fittings, const fs::path& output) {
  std::string content;
  for (const Fitting& fitting : fittings) {
    content += fitting.designation;
    for (const std::string& field : fitting.fields) content += "\t" + field;
    content += "\r\n";
  }
  const velmora::coefficients::ZetaTable check = velmora::coefficients::ReadZetaTable(content);
  if (!check.notes.empty() || check.fittings.size() != fittings.size()) {
    throw std::runtime_error(output.string() + ": the zeta database would not read every line");
  }
  fs::path temporary = output;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << content;
    out.flush();
    if (!out) throw std::runtime_error("cannot write " + temporary.string());
  }
  fs::rename(temporary, output);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args.size() % 2 != 0) {
      std::cerr << "usage: velmora-zeta-files SOURCE.tsv OUTPUT.ZTA [SOURCE.tsv OUTPUT.ZTA ...]\n";
      return 2;
    }
    for (std::size_t i = 0; i < args.size(); i += 2) {
      const std::vector<Fitting> fittings = ReadSource(args[i]);
      for (std::size_t j = 0; j < fittings.size(); ++j) {
        for (std::size_t k = j + 1; k < fittings.size(); ++k) {
          if (fittings[j].designation == fittings[k].designation) {
            throw std::runtime_error(args[i] + ": the rows of " + fittings[j].designation + " are not together");
          }
        }
      }
      Write(fittings, args[i + 1]);
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "velmora-zeta-files: " << error.what() << "\n";
    return 1;
  }
}
