#include "coefficients/ZetaTakeOver.h"

#include <algorithm>

namespace velmora::coefficients {

std::string ShownZeta(std::string_view written, text::Edition edition) {
  std::string shown(written);
  const char separator = text::DecimalSeparator(edition);
  std::replace_if(
      shown.begin(), shown.end(), [](char c) { return c == ',' || c == '.'; }, separator);
  return shown;
}

std::string ZetaDescription(const ZetaChoice& choice) { return choice.manufacturer + " " + choice.designation; }

void ApplyZeta(mainform::MainForm& form, const ZetaChoice& choice) {
  form.elementGroup = 12;
  form.elementKind = 1;
  form.dimensions[0] = choice.diameter;
  // The nominal diameter is a size in mm: a list left at "in." would read it as inches.
  form.dimensionUnits[0] = 0;
  form.dimensions[1] = choice.zeta;
  form.description = choice.describe ? ZetaDescription(choice) : std::string();
}

}  // namespace velmora::coefficients
