#pragma once

#include <span>
#include <string_view>
#include <vector>

// The pipe tables of the three sheets of the circular-pipe catalogue: where each standard lies in
// its file, how its lines are laid out and what its material weighs.
namespace velmora::parts {

enum class PipeSheet { Din, Asme, Other };  // DINSheet "EN/ISO/DIN", ANSISheet "ASME/ANSI", DivSheet
enum class Material { Steel, Plastic, NonFerrous };

inline constexpr Material kMaterials[] = {Material::Steel, Material::Plastic, Material::NonFerrous};
inline constexpr PipeSheet kPipeSheets[] = {PipeSheet::Din, PipeSheet::Asme, PipeSheet::Other};

// How the lines of a table carry a pipe.
enum class PipeLayout {
  Nenndruck,   // header: titles (pressure ratings) from field 3; lines: DN, outer diameter, wall per column
  Sdr,         // as Nenndruck, the titles are SDR values
  NurS,        // header (skipped); lines: DN, outer diameter, wall
  AdUndReihe,  // no header; lines: outer diameter, series name, walls (the column list is the line's walls)
  AdUndS,      // no header; lines: outer diameter, walls (the column list is the line's walls)
  NennDa,      // no header; lines: outer diameter, wall
  Schedule,    // as Nenndruck with schedules for titles, sizes "NPS (DN)", outer diameter and walls in inches
};

struct PipeTable {
  PipeSheet sheet;
  int number;  // the standard's number on its sheet (on the EN/ISO/DIN sheet the table number 1 … 37)
  Material material;
  int first;  // lines first … last (from 1) of the sheet's file
  int last;
  PipeLayout layout;
  int density;  // kg/m³ of the material
};

std::string_view PipeFileName(PipeSheet sheet);  // rohre.nfk, rohrea.nfk, rohreo.nfk
std::span<const PipeTable> PipeTables(PipeSheet sheet);
// The tables of one material in list order; the standard at list position p is entry p.
std::vector<const PipeTable*> PipeTablesOf(PipeSheet sheet, Material material);
const PipeTable* FindPipeTable(PipeSheet sheet, int number);

// A header line leads the table (titles for Nenndruck, Sdr, Schedule; skipped for NurS).
bool HasHeader(PipeLayout layout);
// The column list is the header's titles.
bool HasTitledColumns(PipeLayout layout);
// The column list is the size line's own walls.
bool HasWallColumns(PipeLayout layout);
bool InInches(PipeLayout layout);
// Field of the outer diameter, and of the wall of column c (from 0).
int OuterField(PipeLayout layout);
int WallField(PipeLayout layout, int column);

}  // namespace velmora::parts
