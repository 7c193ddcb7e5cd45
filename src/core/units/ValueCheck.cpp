#include "units/ValueCheck.h"

#include "text/GlobalTexts.h"
#include "units/Numbers.h"

namespace velmora::units {
namespace {

text::Message Compose(const text::TextStore& texts, std::string_view label, std::string_view field, int limitText,
                      const std::string& limit) {
  std::string message = texts.GlobalText(text::global::kValueCheckLead);
  message += " \n>> ";
  message += label;
  message += " << \n";
  message += texts.GlobalText(limitText);
  message += "\n>> ";
  message += limit;
  message += " << ";
  return {message, texts.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, std::string(field)};
}

}  // namespace

text::Message LimitMessage(const text::TextStore& texts, std::string_view label, std::string_view field,
                           bool aboveMaximum, const std::string& limit) {
  return Compose(texts, label, field, aboveMaximum ? text::global::kAboveMaximum : text::global::kBelowMinimum, limit);
}

text::Messages CheckValue(const text::TextStore& texts, const ValueLimits& limits, std::string_view label,
                          std::string_view field, long double value) {
  text::Messages messages;
  const text::Edition edition = texts.edition();
  if (value < 0) messages.push_back(Compose(texts, label, field, text::global::kBelowMinimum, "0"));
  if (limits.checkMin && value < limits.min) {
    messages.push_back(Compose(texts, label, field, text::global::kBelowMinimum, FormatNumber(limits.min, 3, edition)));
  }
  if (limits.checkMax && !(value < limits.max)) {
    messages.push_back(Compose(texts, label, field, text::global::kAboveMaximum, FormatNumber(limits.max, 3, edition)));
  }
  if (value == 0 && !limits.allowZero)
    messages.push_back(Compose(texts, label, field, text::global::kBelowMinimum, "0"));
  return messages;
}

}  // namespace velmora::units
