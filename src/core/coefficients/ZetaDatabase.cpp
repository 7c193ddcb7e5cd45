#include "coefficients/ZetaDatabase.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <system_error>

#include "project/Cp1252.h"
#include "project/TextEdits.h"
#include "text/TextFiles.h"
#include "units/Numbers.h"

namespace velmora::coefficients {
namespace {

namespace fs = std::filesystem;
using project::edits::Trimmed;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 when the bytes are UTF-8 with a character beyond ASCII, else Windows-1252.
std::string Decode(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  return project::IsUtf8WithNonAscii(content) ? std::string(content) : project::Cp1252ToUtf8(content);
}

// The tab-separated fields of a line, in one pass (a line may hold any number of tabs).
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// A designation as the lists show it: trimmed, control characters as blanks.
std::string Designation(std::string_view field) {
  std::string text = Trimmed(field);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
  return text;
}

bool IsDiameter(const std::string& text) {
  const auto value = units::ParseNumber(text);
  return value && *value > 0;
}

bool IsZeta(const std::string& text) {
  const auto value = units::ParseNumber(text);
  return !text.empty() && value && *value >= 0;
}

void AddNote(ZetaTable& table, ZetaNote note) {
  if (table.notes.size() < ZetaTable::kMaxNotes) {
    table.notes.push_back(std::move(note));
  } else {
    ++table.notesOmitted;
  }
}

void ReadLine(std::string_view line, std::size_t number, ZetaTable& table) {
  const std::vector<std::string_view> fields = Fields(line);
  if (std::all_of(fields.begin(), fields.end(), [](std::string_view f) { return Trimmed(f).empty(); })) return;
  ZetaFitting fitting{Designation(fields[0]), {}};
  std::optional<ZetaNote> note;
  const auto noteOf = [&](ZetaProblem problem, std::string diameter, std::string field = {}) {
    return ZetaNote{number, fitting.designation, problem, std::move(diameter), std::move(field), 0, {}};
  };
  if (fitting.designation.empty()) {
    AddNote(table, noteOf(ZetaProblem::NoDesignation, {}));
    return;
  }
  std::size_t k = 1;
  for (; k < fields.size(); k += 2) {
    std::string diameter = Trimmed(fields[k]);
    if (diameter.empty()) break;  // the pairs end here
    if (!IsDiameter(diameter)) {
      note = noteOf(ZetaProblem::BadDiameter, std::move(diameter));
      break;
    }
    std::string zeta = k + 1 < fields.size() ? Trimmed(fields[k + 1]) : std::string();
    if (zeta.empty()) {
      note = noteOf(ZetaProblem::MissingZeta, std::move(diameter));
      break;
    }
    if (!IsZeta(zeta)) {
      note = noteOf(ZetaProblem::BadZeta, std::move(diameter), std::move(zeta));
      break;
    }
    fitting.sizes.push_back({std::move(diameter), std::move(zeta)});
  }
  if (!note && k < fields.size()) {
    // Fields after the empty one are not pairs of this line: a stray tab may have shifted them.
    const auto stray = std::find_if(fields.begin() + static_cast<std::ptrdiff_t>(k), fields.end(),
                                    [](std::string_view f) { return !Trimmed(f).empty(); });
    if (stray != fields.end()) note = noteOf(ZetaProblem::FieldsAfterGap, {}, Trimmed(*stray));
  }
  if (fitting.sizes.empty()) {
    AddNote(table, note.value_or(noteOf(ZetaProblem::NoSizes, {})));
    return;
  }
  if (note) {
    note->sizesRead = fitting.sizes.size();
    note->readUpTo = fitting.sizes.back().diameter;
    AddNote(table, std::move(*note));
  }
  table.fittings.push_back(std::move(fitting));
}

// Reads at most `limit` + 1 bytes, so that a file growing while it is read is still caught.
std::optional<std::string> ReadBytes(const fs::path& path, std::uintmax_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  char buffer[65536];
  while (in && content.size() <= limit) {
    in.read(buffer, sizeof buffer);
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return content;
}

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

ZetaTable ReadZetaTable(std::string_view content) {
  ZetaTable table;
  std::size_t number = 0;
  for (const std::string& line : text::SplitLines(Decode(content))) ReadLine(line, ++number, table);
  return table;
}

ZetaLoad LoadZetaFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return {ZetaLoadError::Unreadable, {}};
  const std::optional<std::string> content = ReadBytes(path, kMaxZetaFileBytes);
  if (!content) return {ZetaLoadError::Unreadable, {}};
  if (content->size() > kMaxZetaFileBytes) return {ZetaLoadError::TooLarge, {}};
  ZetaTable table = ReadZetaTable(*content);
  if (table.fittings.empty()) return {ZetaLoadError::NoFitting, std::move(table)};
  return {ZetaLoadError::None, std::move(table)};
}

std::vector<ZetaManufacturer> ListZetaFiles(const std::filesystem::path& folder) {
  std::vector<ZetaManufacturer> found;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    const fs::path& path = entry->path();
    std::error_code kind;
    if (Lowered(path.extension().string()) != ".zta" || !entry->is_regular_file(kind)) continue;
    found.push_back({path.stem().string(), path});
  }
  std::sort(found.begin(), found.end(), [](const ZetaManufacturer& a, const ZetaManufacturer& b) {
    const std::string la = Lowered(a.name);
    const std::string lb = Lowered(b.name);
    return la != lb ? la < lb : a.name < b.name;
  });
  return found;
}

}  // namespace velmora::coefficients
