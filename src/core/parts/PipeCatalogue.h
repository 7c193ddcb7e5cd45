#pragma once

#include <optional>
#include <string>
#include <vector>

#include "parts/CatalogueFile.h"
#include "parts/PipeTables.h"
#include "text/Edition.h"

namespace velmora::parts {

// One pipe of a table: the dimensions in the table's unit (mm, or inches for the schedules) and
// what follows from them. A value that the table does not give in a usable form is nothing.
struct PipeValues {
  bool inches = false;
  std::string outerField;  // as the table gives them
  std::string wallField;
  std::optional<long double> outer;
  std::optional<long double> wall;
  std::optional<long double> inner;         // outer − 2·wall, when greater than 0
  std::optional<long double> massPerMetre;  // kg/m
  // The wall field is empty: the standard has no pipe of this size in this column.
  bool notStandard = false;
};

// The texts of the result labels. For a pipe the standard does not have every label but the outer
// diameter shows `notStandardText` (global text 80).
struct PipeDisplay {
  std::string outer;  // table unit
  std::string wall;   // table unit
  std::string innerMm;
  std::string innerInches;
  std::string massKg;  // kg/m
  std::string massLb;  // lb/ft
};

// One standard of a pipe sheet as its lines in the file give it.
class PipeStandard {
 public:
  PipeStandard(const PipeTable& table, const CatalogueFile& file);

  const PipeTable& Table() const { return *table_; }
  // A table without any data line is not available (its lines are empty or the file is missing).
  bool Available() const { return !rows_.empty(); }

  // The size list: field 1 of every data line, "-" where it is empty.
  std::vector<std::string> Sizes(text::Edition edition) const;
  // The column list of a size: the header's titles up to the first empty one (Nenndruck, SDR,
  // schedules), the walls of the size line up to the first empty one (outer diameter and walls),
  // nothing for the layouts with a single wall.
  std::vector<std::string> Columns(std::size_t size, text::Edition edition) const;
  // The series name (field 2) of a size line of the layout with series; empty otherwise.
  std::string Series(std::size_t size) const;

  PipeValues Values(std::size_t size, std::size_t column) const;

 private:
  const PipeTable* table_;
  std::string header_;
  std::vector<std::string> rows_;
};

PipeDisplay ShowPipe(const PipeValues& values, text::Edition edition, const std::string& notStandardText);

// The inner diameter a take-over hands on: mm with one decimal, or inches with three; nothing when
// the pipe has no usable bore.
std::optional<std::string> PipeTakeOverValue(const PipeValues& values, bool us, text::Edition edition);

}  // namespace velmora::parts
