#include "text/FieldOf.h"

namespace velmora::text {

std::string_view FieldView(std::string_view line, int k) {
  if (k < 1) return {};
  std::size_t start = 0;
  for (int field = 1; field < k; ++field) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) return {};
    start = tab + 1;
  }
  const std::size_t end = line.find('\t', start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace velmora::text
