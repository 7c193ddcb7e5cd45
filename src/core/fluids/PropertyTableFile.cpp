#include "fluids/PropertyTableFile.h"

#include <fstream>
#include <iterator>

#include "text/GlobalTexts.h"
#include "text/TEncryption.h"
#include "text/TextFiles.h"
#include "units/Numbers.h"

namespace velmora::fluids {

TableLines DecodeTableLines(std::string_view content, LineCoding coding, int headerLines) {
  TableLines table;
  const std::vector<std::string> lines = text::SplitLines(content);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (number <= headerLines || lines[i].empty()) continue;
    if (coding == LineCoding::Plain) {
      table.lines.push_back({number, lines[i]});
      continue;
    }
    try {
      std::string plain = text::Unscramble(lines[i], 1);
      if (!plain.empty()) table.lines.push_back({number, std::move(plain)});
    } catch (const text::ScrambleError&) {
      table.skipped.push_back(number);
    }
  }
  return table;
}

std::optional<TableLines> ReadTableFile(const std::filesystem::path& path, LineCoding coding, int headerLines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return DecodeTableLines(content, coding, headerLines);
}

std::optional<long double> TableNumber(std::string_view field) {
  if (field.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
  return units::ParseNumber(field);
}

std::string WithEditionSeparator(std::string_view stored, text::Edition edition) {
  std::string shown(stored);
  for (char& c : shown) {
    if (c == '.' || c == ',') c = text::DecimalSeparator(edition);
  }
  return shown;
}

text::Message SkippedLinesMessage(const text::TextStore& texts, std::string_view block, std::string_view fileName,
                                  const std::vector<int>& lines) {
  std::string message = texts.FormText(block, "msgSkipped") + "\n";
  message += fileName;
  message += ": ";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) message += ", ";
    message += std::to_string(lines[i]);
  }
  return {message, texts.GlobalText(text::global::kInformationCaption), text::MessageIcon::Information, {}};
}

text::Message FileMissingMessage(const text::TextStore& texts, std::string_view block, std::string_view fileName,
                                 std::string_view separator) {
  std::string message = texts.FormText(block, "msgFileMissing");
  message += separator;
  message += fileName;
  return {message, texts.GlobalText(text::global::kFileCaption), text::MessageIcon::Exclamation, {}};
}

}  // namespace velmora::fluids
