#include "tablechange/FieldMessages.h"

#include "text/GlobalTexts.h"

namespace velmora::tablechange {

text::Message InvalidField(const text::TextStore& texts, const std::string& caption, const std::string& field) {
  return {texts.GlobalText(text::global::kInvalidInput) + "\n\"" + caption + "\"!",
          texts.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, field};
}

}  // namespace velmora::tablechange
