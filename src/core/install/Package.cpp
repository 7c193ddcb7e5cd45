#include "install/Package.h"

namespace velmora::install {
namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The value after "Installed:" or "Candidate:" in the first lines of the report (before the
// version table, whose lines are indented deeper).
std::string Field(std::string_view output, std::string_view name) {
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string_view::npos) end = output.size();
    const std::string_view line = Trim(output.substr(start, end - start));
    if (line.substr(0, name.size()) == name) {
      const std::string_view value = Trim(line.substr(name.size()));
      return value == "(none)" ? std::string() : std::string(value);
    }
    if (line.substr(0, 13) == "Version table") break;
    start = end + 1;
  }
  return {};
}

}  // namespace

std::string PackageName(text::Edition edition) {
  const std::string_view code = text::LanguageCode(edition);
  return code.empty() ? std::string("velmora") : "velmora-" + std::string(code);
}

PackageVersions ParsePolicy(std::string_view output) {
  return {Field(output, "Installed:"), Field(output, "Candidate:")};
}

bool UpgradeOffered(const PackageVersions& versions) {
  return !versions.installed.empty() && !versions.candidate.empty() && versions.candidate != versions.installed;
}

}  // namespace velmora::install
