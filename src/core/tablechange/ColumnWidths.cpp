#include "tablechange/ColumnWidths.h"

#include "settings/SettingsKeys.h"
#include "settings/StoredSettings.h"
#include "tablechange/DialogTexts.h"
#include "tablechange/FieldMessages.h"
#include "units/Numbers.h"
#include "units/ValueCheck.h"

namespace velmora::tablechange {
namespace {

constexpr units::ValueLimits kWidthLimits{
    .checkMin = true, .checkMax = true, .min = kMinColumnWidth, .max = kMaxColumnWidth};

std::optional<int> ReadWidth(const std::string& text, const char* captionKey, const char* field,
                             const text::TextStore& texts, text::Messages& messages) {
  const std::string& caption = texts.FormText(kWidthBlock, captionKey);
  const auto value = units::ParseNumber(text);
  if (!value) {
    messages.push_back(InvalidField(texts, caption, field));
    return std::nullopt;
  }
  const long double pixels = units::RoundHalfAway(*value);
  messages = units::CheckValue(texts, kWidthLimits, caption, field, pixels);
  if (!messages.empty()) return std::nullopt;
  return static_cast<int>(pixels);  // within the limits
}

}  // namespace

WidthsCheck ReadColumnWidths(const std::string& title, const std::string& other, const text::TextStore& texts) {
  WidthsCheck check;
  const auto titleWidth = ReadWidth(title, "Label2", "Edit2", texts, check.messages);
  if (!titleWidth) return check;
  const auto otherWidth = ReadWidth(other, "Label1", "Edit1", texts, check.messages);
  if (!otherWidth) return check;
  check.widths = ColumnWidths{*titleWidth, *otherWidth};
  return check;
}

ColumnWidths StandardColumnWidths(text::Edition edition) {
  const std::array<int, 2> widths = settings::DefaultStandardColumnWidths(edition);
  return {widths[0], widths[1]};
}

bool StoreColumnWidths(settings::SettingsStore& store, const ColumnWidths& widths) {
  const auto& keys = settings::key::kStandardColumnWidths;
  const bool written = store.Write(settings::section::kGeneral, keys[0], std::to_string(widths.title)) &&
                       store.Write(settings::section::kGeneral, keys[1], std::to_string(widths.other));
  return written && store.Flush();
}

}  // namespace velmora::tablechange
