#include "ListCommand.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "PropertyDatabases.h"

namespace velmora::cli {
namespace {

template <typename Entry>
std::string Names(const std::vector<Entry>& entries) {
  std::string out;
  for (const Entry& entry : entries) out += entry.name + "\n";
  return out;
}

}  // namespace

int RunListCommand(std::span<const char* const> arguments, const text::TextStore& texts,
                   const std::filesystem::path& programFolder) {
  const std::string_view table = arguments.size() == 1 ? arguments.front() : "";
  PropertyDatabases tables(programFolder, texts);
  std::optional<text::Message> missing;
  std::string out;
  if (table == "gases") {
    if (const auto* database = tables.Gases(missing)) out = Names(database->gases);
  } else if (table == "liquids") {
    if (const auto* database = tables.Liquids(missing)) out = Names(database->liquids);
  } else if (table == "vapour-pressure") {
    if (const auto* database = tables.VapourPressures(missing)) out = Names(database->substances);
  } else {
    std::fprintf(stderr, "velmora-calc: list takes one table: gases, liquids or vapour-pressure\n");
    return 2;
  }
  if (missing) {
    std::fprintf(stderr, "%s\n", missing->text.c_str());
    return 1;
  }
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return 1;
  return 0;
}

}  // namespace velmora::cli
