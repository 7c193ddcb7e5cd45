#include "ListCommand.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "PropertyDatabases.h"
#include "fluids/BrineDialog.h"
#include "fluids/UserDatabaseDialog.h"
#include "install/ProgramFiles.h"

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
  } else if (table == "brines") {
    int number = 0;
    for (const std::string& name : fluids::BrineNames(texts)) out += std::to_string(++number) + "\t" + name + "\n";
  } else if (table == "oils") {
    if (const auto* database = tables.Oils(missing)) out = Names(database->oils);
  } else if (table == "aqueous") {
    if (const auto* database = tables.Solutes(missing)) out = Names(database->solutes);
  } else if (table == "substances") {
    if (const auto* database = tables.Substances(missing)) out = Names(database->substances);
  } else if (table == "user") {
    const std::filesystem::path path = install::ReadPath(install::Folders(programFolder), fluids::kUserFileName);
    const fluids::UserFileRead read = fluids::ReadUserFile(path);
    const bool unread =
        read.problem == fluids::UserFileProblem::Missing || read.problem == fluids::UserFileProblem::Unreadable;
    if (const std::optional<text::Message> note = fluids::UserLoadMessage(texts, read, path)) {
      if (unread) {
        missing = note;
      } else {
        std::fprintf(stderr, "velmora-calc: %s\n", note->text.c_str());
      }
    }
    out = Names(read.records);
  } else {
    std::fprintf(stderr,
                 "velmora-calc: list takes one table: gases, liquids, vapour-pressure, brines, oils, aqueous, "
                 "substances or user\n");
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
