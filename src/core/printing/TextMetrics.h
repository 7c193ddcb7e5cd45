#pragma once

#include <functional>
#include <string_view>

namespace velmora::printing {

// How the printer's font measures texts, in ems: sizes at a font of 1 point, in points, so that a
// font of f points gives f times the figure. The painter supplies them from the font it prints with.
struct TextMetrics {
  std::function<double(std::string_view text)> width;  // the advance of a text (UTF-8)
  double lineSpacing = 1.2;                            // from one baseline to the next

  // Points to millimetres: 25.4 mm per inch of 72 points.
  static constexpr double kMmPerPoint = 25.4 / 72.0;
};

}  // namespace velmora::printing
