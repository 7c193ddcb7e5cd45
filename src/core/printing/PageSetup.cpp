#include "printing/PageSetup.h"

#include <algorithm>

#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/ValueCheck.h"

namespace velmora::printing {
namespace {

// A margin may be zero (the printer's own unprintable border then shows), never negative.
constexpr units::ValueLimits kMarginLimits{.allowZero = true};

}  // namespace

PageSetupReading ReadPageSetup(const project::ProjectAppearance& appearance, const text::TextStore& texts) {
  PageSetupReading reading;
  const double toMm = appearance.marginUnit == kInches ? static_cast<double>(units::kInchInMm) : 1.0;
  std::array<double, 4> margins{};
  for (std::size_t side = 0; side < margins.size(); ++side) {
    const std::string& caption = texts.FormText(kPageSetupBlock, kMarginLabels[side]);
    const std::optional<long double> value = units::ParseNumber(appearance.margins[side]);
    if (!value) {
      reading.messages.push_back({texts.GlobalText(text::global::kInvalidInput) + "\n\"" + caption + "\"!",
                                  texts.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error,
                                  kMarginEdits[side]});
      return reading;
    }
    text::Messages refused = units::CheckValue(texts, kMarginLimits, caption, kMarginEdits[side], *value);
    if (!refused.empty()) {
      reading.messages = std::move(refused);
      return reading;
    }
    margins[side] = static_cast<double>(*value) * toMm;
  }

  PageSetup setup;
  // Both marks set (possible in a file) ends as the dialog ends when it sets them in file order.
  setup.fitToPages = appearance.fitToPages;
  setup.fontSize = std::clamp(appearance.scaleFontSize, kMinFontSize, kMaxFontSize);
  setup.pagesWide = std::clamp(appearance.pagesWide, kMinPagesWide, kMaxPagesWide);
  setup.wrapText = appearance.wrapText;
  setup.margins = {margins[0], margins[1], margins[2], margins[3]};
  setup.footerLine = appearance.footerLine;
  setup.showPath = appearance.showPathInFooter;
  reading.setup = setup;
  return reading;
}

std::string ConvertMargin(std::string_view text, int fromUnit, int toUnit, text::Edition edition) {
  const bool fromInches = fromUnit == kInches;
  const bool toInches = toUnit == kInches;
  const std::optional<long double> value = units::ParseNumber(text);
  if (fromInches == toInches || !value || text.empty()) return std::string(text);
  const long double converted = toInches ? *value / units::kInchInMm : *value * units::kInchInMm;
  std::string result = units::FormatNumber(converted, toInches ? 2 : 1, edition);
  while (result.back() == '0') result.pop_back();
  if (result.back() == ',' || result.back() == '.') result.pop_back();
  return result;
}

bool LeavesRoom(const Margins& margins, double paperWidth, double paperHeight) {
  return paperWidth - margins.left - margins.right >= kMinContentWidth &&
         paperHeight - margins.top - margins.bottom >= kMinContentHeight;
}

text::Message NoRoomMessage(const text::TextStore& texts) {
  return {texts.FormText(kPageSetupBlock, "msgNoRoom"), texts.GlobalText(text::global::kErrorCaption),
          text::MessageIcon::Error, kMarginEdits[0]};
}

bool SamePageSetup(const project::ProjectAppearance& a, const project::ProjectAppearance& b) {
  return a.scaleToFont == b.scaleToFont && a.scaleFontSize == b.scaleFontSize && a.fitToPages == b.fitToPages &&
         a.pagesWide == b.pagesWide && a.wrapText == b.wrapText && a.paperEntry == b.paperEntry &&
         a.margins == b.margins && a.marginUnit == b.marginUnit && a.footerLine == b.footerLine &&
         a.showPathInFooter == b.showPathInFooter;
}

}  // namespace velmora::printing
