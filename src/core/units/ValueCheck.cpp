#include "units/ValueCheck.h"

#include "units/Numbers.h"

namespace velmora::units {
namespace {

constexpr int kLeadText = 177;
constexpr int kBelowText = 186;
constexpr int kAboveText = 187;
constexpr int kErrorCaption = 184;

text::Message Compose(const text::TextStore& texts, std::string_view label, std::string_view field, int limitText,
                      const std::string& limit) {
  std::string message = texts.GlobalText(kLeadText);
  message += " \n>> ";
  message += label;
  message += " << \n";
  message += texts.GlobalText(limitText);
  message += "\n>> ";
  message += limit;
  message += " << ";
  return {message, texts.GlobalText(kErrorCaption), text::MessageIcon::Error, std::string(field)};
}

}  // namespace

text::Message LimitMessage(const text::TextStore& texts, std::string_view label, std::string_view field,
                           bool aboveMaximum, const std::string& limit) {
  return Compose(texts, label, field, aboveMaximum ? kAboveText : kBelowText, limit);
}

text::Messages CheckValue(const text::TextStore& texts, const ValueLimits& limits, std::string_view label,
                          std::string_view field, long double value) {
  text::Messages messages;
  const text::Edition edition = texts.edition();
  if (value < 0) messages.push_back(Compose(texts, label, field, kBelowText, "0"));
  if (limits.checkMin && value < limits.min) {
    messages.push_back(Compose(texts, label, field, kBelowText, FormatNumber(limits.min, 3, edition)));
  }
  if (limits.checkMax && !(value < limits.max)) {
    messages.push_back(Compose(texts, label, field, kAboveText, FormatNumber(limits.max, 3, edition)));
  }
  if (value == 0 && !limits.allowZero) messages.push_back(Compose(texts, label, field, kBelowText, "0"));
  return messages;
}

}  // namespace velmora::units
