#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The manufacturers' files of resistance coefficients: every "*.ZTA" file of a folder is one
// manufacturer (the file name without extension), one line per fitting:
//   designation TAB DN1 TAB zeta1 TAB DN2 TAB zeta2 ...
// plain text, decimal commas (a point reads as well), CR LF or LF line ends. The pairs end at the
// end of the line or where an empty field begins.
namespace velmora::coefficients {

// One nominal diameter of a fitting with its resistance coefficient, both as written (blanks
// around them removed).
struct ZetaSize {
  std::string diameter;
  std::string zeta;
};

struct ZetaFitting {
  std::string designation;
  std::vector<ZetaSize> sizes;
};

// Why a line was not read, or not read to its end.
enum class ZetaProblem {
  NoDesignation,  // field 1 is empty
  NoSizes,        // no nominal diameter follows the designation
  BadDiameter,    // a nominal diameter that is not a number above 0
  MissingZeta,    // a nominal diameter without its zeta value
  BadZeta,        // a zeta value that is not a number of at least 0
  FieldsAfterGap  // fields after the empty field that ends the pairs
};

// A line that was skipped (`sizesRead` 0) or read only up to its last sound pair.
struct ZetaNote {
  std::size_t line = 0;  // from 1
  std::string designation;
  ZetaProblem problem = ZetaProblem::NoSizes;
  std::string diameter;  // the nominal diameter concerned (BadDiameter: the text that is no diameter)
  std::string field;     // BadZeta: the text that is no zeta value; FieldsAfterGap: the first such field
  std::size_t sizesRead = 0;
  std::string readUpTo;  // the last nominal diameter read from the line
};

// What a file holds: its sound fittings and the notes on what was left out. A value is never
// guessed: a damaged pair ends its line, the pairs before it stay.
struct ZetaTable {
  static constexpr std::size_t kMaxNotes = 100;  // further notes are only counted
  std::vector<ZetaFitting> fittings;
  std::vector<ZetaNote> notes;
  std::size_t notesOmitted = 0;
};

// Reads the bytes of a .ZTA file (UTF-8, or Windows-1252 as the files of the original platform).
// Any content gives a table; nothing throws.
ZetaTable ReadZetaTable(std::string_view content);

// Loading a file: a file that cannot be read, is larger than any table of coefficients, or holds
// no sound fitting is an error, and no table comes of it.
enum class ZetaLoadError { None, Unreadable, TooLarge, NoFitting };

struct ZetaLoad {
  ZetaLoadError error = ZetaLoadError::None;
  ZetaTable table;  // empty of fittings unless error is None; the notes explain a NoFitting
};

inline constexpr std::uintmax_t kMaxZetaFileBytes = 8u << 20;

ZetaLoad LoadZetaFile(const std::filesystem::path& path);

// A manufacturer: a regular file whose extension is ".ZTA" in any case.
struct ZetaManufacturer {
  std::string name;  // the file name without extension
  std::filesystem::path path;
};

// The manufacturers of a folder, sorted by file name; none for a missing or unreadable folder.
std::vector<ZetaManufacturer> ListZetaFiles(const std::filesystem::path& folder);

}  // namespace velmora::coefficients
