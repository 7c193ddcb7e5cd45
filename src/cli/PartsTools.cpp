#include "PartsTools.h"

#include <algorithm>
#include <cctype>

#include "parts/PartNumbers.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::cli::parts_cli {

// Arguments and messages.

int Refuse(const PartsContext& c, const std::string& message) {
  c.err += message + "\n";
  return kPartsRefused;
}

namespace {

// A catalogue's message about a file: "%1" the file's name, "%2" its first damaged line.
std::string FileMessage(const PartsContext& c, std::string_view block, std::string_view key,
                        const parts::CatalogueFile& file) {
  std::string text = c.texts.FormText(block, key);
  if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, file.name);
  if (const std::size_t at = text.find("%2"); at != std::string::npos && !file.damagedLines.empty()) {
    text.replace(at, 2, std::to_string(file.damagedLines.front()));
  }
  return text;
}

}  // namespace

std::optional<parts::CatalogueFile> Load(const PartsContext& c, std::string_view name, std::string_view block) {
  parts::CatalogueFile file = parts::LoadCatalogueFile(c.folder, name, true);
  if (file.missing) {
    Refuse(c, FileMessage(c, block, "msgMissingFile", file));
    return std::nullopt;
  }
  // Damaged lines cost only their own values: said on err, the answer follows.
  if (!file.damagedLines.empty()) c.err += FileMessage(c, block, "msgDamagedFile", file) + "\n";
  return file;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
  return text;
}

// A positive whole number, or nothing.
std::optional<int> WholeNumber(const std::string& text) {
  const auto digit = [](unsigned char ch) { return std::isdigit(ch) != 0; };
  if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), digit)) return std::nullopt;
  const int value = std::stoi(text);
  if (value < 1) return std::nullopt;
  return value;
}

// Where an entry stands in a list (exact text, blanks around it ignored); nothing when it is not there.
std::optional<std::size_t> Find(const std::vector<std::string>& list, const std::string& entry) {
  const auto trimmed = [](const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
  };
  const std::string wanted = trimmed(entry);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (trimmed(list[i]) == wanted) return i;
  }
  return std::nullopt;
}

std::string Joined(const std::vector<std::string>& list, std::string_view separator) {
  std::string joined;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) joined += separator;
    joined += list[i];
  }
  return joined;
}

// The entry of a list an option names (the first without the option); a refusal names the list.
std::optional<std::size_t> Entry(const PartsContext& c, std::string_view option, const std::vector<std::string>& list,
                                 bool required) {
  if (!c.options.Has(option)) {
    if (required) Refuse(c, "--" + std::string(option) + " is needed: one of " + Joined(list, "; "));
    if (required || list.empty()) return std::nullopt;
    return 0;
  }
  const std::optional<std::size_t> found = Find(list, c.options.Get(option));
  if (!found)
    Refuse(c, "no " + std::string(option) + " " + c.options.Get(option) + "; there are " + Joined(list, "; "));
  return found;
}

// The wall option: series 1 … 5 (EN/ISO/DIN) or STD and XS (ASME/ANSI), from 0.
std::optional<std::size_t> WallOption(const PartsContext& c, std::string_view option, parts::FittingSheet sheet) {
  const std::string value = c.options.Get(option, sheet == parts::FittingSheet::Din ? "1" : "STD");
  if (sheet == parts::FittingSheet::Asme) {
    if (Lower(value) == "std") return 0;
    if (Lower(value) == "xs") return 1;
    Refuse(c, "--" + std::string(option) + " is STD or XS");
    return std::nullopt;
  }
  const std::optional<int> series = WholeNumber(value);
  if (!series || *series > parts::kDinSeries) {
    Refuse(c, "--" + std::string(option) + " is a series from 1 to 5");
    return std::nullopt;
  }
  return static_cast<std::size_t>(*series - 1);
}

std::optional<parts::FittingSheet> FittingSheetOption(const PartsContext& c) {
  const std::string sheet = Lower(c.options.Get("sheet", "din"));
  if (sheet == "din") return parts::FittingSheet::Din;
  if (sheet == "asme") return parts::FittingSheet::Asme;
  Refuse(c, "--sheet is din or asme");
  return std::nullopt;
}

std::string_view SheetWord(parts::FittingSheet sheet) { return sheet == parts::FittingSheet::Din ? "din" : "asme"; }

// Circular pipes.

std::optional<parts::PipeSheet> PipeSheetOption(const PartsContext& c) {
  const std::string sheet = Lower(c.options.Get("sheet", "din"));
  if (sheet == "din") return parts::PipeSheet::Din;
  if (sheet == "asme") return parts::PipeSheet::Asme;
  if (sheet == "other") return parts::PipeSheet::Other;
  Refuse(c, "--sheet is din, asme or other");
  return std::nullopt;
}

std::string_view SheetWord(parts::PipeSheet sheet) {
  switch (sheet) {
    case parts::PipeSheet::Din: return "din";
    case parts::PipeSheet::Asme: return "asme";
    case parts::PipeSheet::Other: return "other";
  }
  return {};
}

std::string PipeName(const PartsContext& c, const parts::PipeTable& table) {
  return c.texts.FormText(kPipeBlock, kPipeNameKeys[static_cast<int>(table.sheet)] + std::to_string(table.number));
}

std::string_view MaterialWord(parts::Material material) {
  switch (material) {
    case parts::Material::Steel: return "steel";
    case parts::Material::Plastic: return "plastic";
    case parts::Material::NonFerrous: return "non-ferrous";
  }
  return {};
}

// A length of a table in mm for the dump: as given in mm tables, exactly converted (4 decimals) in
// inch tables; empty when it is no dimension.
std::string DumpLength(const std::string& field, bool inches) {
  const std::optional<long double> value = parts::ReadDimension(field);
  if (!value) return {};
  return inches ? units::FormatNumber(*value * units::kInchInMm, 4, kPoint) : parts::ShowAsGiven(field, kPoint);
}

std::string Dumped(const std::string& shown) { return shown == parts::kNotAvailable ? std::string() : shown; }

// Rectangular pipes.

std::optional<parts::RectShape> ShapeOption(const PartsContext& c) {
  const std::string shape = Lower(c.options.Get("shape", "square"));
  if (shape == "square") return parts::RectShape::Square;
  if (shape == "rectangular") return parts::RectShape::Rectangular;
  Refuse(c, "--shape is square or rectangular");
  return std::nullopt;
}

std::string_view ShapeWord(parts::RectShape shape) {
  return shape == parts::RectShape::Square ? "square" : "rectangular";
}

// Bends.

std::string BendName(const PartsContext& c, const parts::BendTable& table) {
  return c.texts.FormText(
      kBendBlock, (table.sheet == parts::FittingSheet::Din ? "Norm" : "ANorm") + std::to_string(table.standard));
}

std::string WallWord(parts::FittingSheet sheet, std::size_t wall) {
  if (sheet == parts::FittingSheet::Din) return std::to_string(wall + 1);
  return wall == 0 ? "STD" : "XS";
}

}  // namespace velmora::cli::parts_cli
