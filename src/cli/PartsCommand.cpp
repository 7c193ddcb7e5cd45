#include "PartsCommand.h"

#include <algorithm>
#include <vector>

#include "Help.h"
#include "PartsDatabases.h"
#include "PartsTools.h"
#include "parts/PipeCatalogue.h"

namespace velmora::cli {
namespace {

using namespace parts_cli;

// ---------------------------------------------------------------------------------------------
// The list of every catalogue.

void ListLine(const PartsContext& c, std::string_view kind, std::string_view sheet, int standard,
              std::string_view variant, const std::string& name, const std::vector<std::string>& sizes) {
  std::vector<std::string> fields = {
      std::string(kind), std::string(sheet), std::to_string(standard), std::string(variant), name, Joined(sizes, "; ")};
  c.out += Joined(fields, "\t") + "\n";
}

int List(const PartsContext& c) {
  c.out += "kind\tsheet\tstandard\tvariant\tname\tsizes\n";
  const std::string notAvailable = c.texts.FormText(kPipeBlock, "NotAvailable");
  for (const parts::PipeSheet sheet : parts::kPipeSheets) {
    const auto file = Load(c, parts::PipeFileName(sheet), kPipeBlock);
    if (!file) return kPartsRefused;
    for (const parts::PipeTable& table : parts::PipeTables(sheet)) {
      const parts::PipeStandard standard(table, *file);
      ListLine(c, "pipe", SheetWord(sheet), table.number, MaterialWord(table.material),
               standard.Available() ? PipeName(c, table) : notAvailable, standard.Sizes(kPoint));
    }
  }
  const auto rects = Load(c, parts::kRectFileName, kRectBlock);
  if (!rects) return kPartsRefused;
  for (const parts::RectTable& table : parts::RectTables()) {
    const parts::RectStandard standard(table, *rects);
    const bool din = table.sheet == parts::RectSheet::Din;
    const std::string name = c.texts.FormText(kRectBlock, (din ? "Norm" : "ANorm") + std::to_string(table.standard));
    ListLine(c, "rect", din ? "din" : "asme", table.standard, ShapeWord(table.shape),
             standard.Available() ? name : name + " " + notAvailable, standard.Sizes(kPoint));
  }
  const auto bends = Load(c, parts::kBendFileName, kBendBlock);
  if (!bends) return kPartsRefused;
  for (const parts::BendTable& table : parts::BendTables()) {
    ListLine(c, "bend", SheetWord(table.sheet), table.standard, "", BendName(c, table),
             parts::BendStandard(table, *bends).Sizes());
  }
  const auto reducers = Load(c, kReducers.fileName, kReducers.block);
  const auto tees = Load(c, kTees.fileName, kTees.block);
  if (!reducers || !tees) return kPartsRefused;
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    const char* key = sheet == parts::FittingSheet::Din ? "Norm1" : "ANorm1";
    ListLine(c, "reducer", SheetWord(sheet), 1, "", c.texts.FormText(kReducers.block, key),
             parts::ReducerStandard(parts::FindReducerTable(sheet), *reducers).LargeEnds());
    ListLine(c, "tee", SheetWord(sheet), 1, "", c.texts.FormText(kTees.block, key),
             parts::TeeStandard(parts::FindTeeTable(sheet), *tees).Runs());
  }
  return kPartsPrinted;
}

// ---------------------------------------------------------------------------------------------
// Dispatch: one line a subcommand.

int Dump(const PartsContext& c);

// clang-format off
constexpr PartsSubcommand kSubcommands[] = {
    {"list", "", List},
    {"pipe", "sheet,standard,size,column,us", Pipe},
    {"rect", "sheet,standard,shape,size,wall,us", Rect},
    {"bend", "sheet,standard,size,wall,type,shape,us", Bend},
    {"reducer", "sheet,size,wall,small,small-wall,use,us", Reducer},
    {"tee", "sheet,size,wall,branch,branch-wall,use,us", Tee},
    {"dump", "kind", Dump},
};
// clang-format on

// What `dump --kind NAME` writes: one line a kind.
// clang-format off
constexpr PartsSubcommand kDumps[] = {
    {"pipe", "", DumpPipes},
    {"rect", "", DumpRects},
    {"bend", "", DumpBends},
    {"reducer", "", DumpReducers},
    {"tee", "", DumpTees},
};
// clang-format on

int Dump(const PartsContext& c) {
  const std::string kind = c.options.Get("kind", "pipe");
  for (const PartsSubcommand& dump : kDumps) {
    if (dump.name == kind) return dump.run(c);
  }
  std::vector<std::string> kinds;
  for (const PartsSubcommand& dump : kDumps) kinds.emplace_back(dump.name);
  c.err += "velmora-calc: --kind is one of " + Joined(kinds, ", ") + "\n";
  return kPartsUsage;
}

// Options after the subcommand; nothing after naming the problem.
std::optional<PartsOptions> ReadOptions(std::span<const char* const> arguments, std::string_view allowed,
                                        std::string& err) {
  PartsOptions options;
  const auto refuse = [&err](const std::string& problem) -> std::optional<PartsOptions> {
    err += "velmora-calc: " + problem + "\n" + UsageText;
    return std::nullopt;
  };
  const auto known = [allowed](std::string_view name) {
    for (std::size_t start = 0; start <= allowed.size();) {
      const std::size_t comma = std::min(allowed.find(',', start), allowed.size());
      if (allowed.substr(start, comma - start) == name) return !name.empty();
      start = comma + 1;
    }
    return false;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) return refuse("unexpected argument " + std::string(argument));
    argument.remove_prefix(2);
    std::string name(argument.substr(0, argument.find('=')));
    if (!known(name)) return refuse("unknown option --" + name);
    if (options.Has(name)) return refuse("--" + name + " given twice");
    std::string value;
    if (argument.find('=') != std::string_view::npos) {
      value = argument.substr(argument.find('=') + 1);
    } else if (name != "us") {
      if (i + 1 == arguments.size()) return refuse("--" + name + " needs a value");
      value = arguments[++i];
    }
    options.values[name] = value;
  }
  return options;
}

// Whether `dump`'s arguments ask for the roughness or the zeta database.
bool DumpsADatabase(std::span<const char* const> arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view word = arguments[i];
    std::string_view kind;
    if (word == "--kind" && i + 1 < arguments.size()) kind = arguments[i + 1];
    if (word.starts_with("--kind=")) kind = word.substr(7);
    if (kind == "roughness" || kind == "zeta") return true;
  }
  return false;
}

}  // namespace

std::string PartsOptions::Get(std::string_view name, std::string_view fallback) const {
  const auto found = values.find(name);
  return found == values.end() ? std::string(fallback) : found->second;
}

int RunParts(std::span<const char* const> arguments, const text::TextStore& texts, const std::filesystem::path& folder,
             std::string& out, std::string& err) {
  if (arguments.empty()) {
    err += std::string("velmora-calc: parts needs a subcommand\n") + UsageText;
    return kPartsUsage;
  }
  const std::string_view name = arguments.front();
  // The roughness and zeta databases answer their own subcommands and dumps.
  if (name == "roughness" || name == "zeta" || (name == "dump" && DumpsADatabase(arguments.subspan(1)))) {
    return RunPartsDatabases(arguments, texts, folder, out, err);
  }
  for (const PartsSubcommand& subcommand : kSubcommands) {
    if (subcommand.name != name) continue;
    const std::optional<PartsOptions> options = ReadOptions(arguments.subspan(1), subcommand.options, err);
    if (!options) return kPartsUsage;
    return subcommand.run({texts, folder, *options, out, err});
  }
  err += "velmora-calc: unknown parts subcommand " + std::string(name) + "\n" + UsageText;
  return kPartsUsage;
}

const char* const PartsHelpText = R"help(velmora-calc parts - the standard-parts catalogues

USAGE
  velmora-calc parts list
  velmora-calc parts pipe [--sheet din|asme|other] --standard N --size S [--column C] [--us]
  velmora-calc parts rect [--sheet din|asme] [--standard N] [--shape square|rectangular]
                          --size "B x H" [--wall W] [--us]
  velmora-calc parts bend [--sheet din|asme] [--standard N] --size S [--wall W]
                          [--type 2|3|5|10|20] [--shape A|B|C] [--us]
  velmora-calc parts reducer [--sheet din|asme] --size S1 --small S2 [--wall W]
                          [--small-wall W] [--use reduction|expansion] [--us]
  velmora-calc parts tee [--sheet din|asme] --size S1 --branch S2 [--wall W]
                          [--branch-wall W] [--use dividing|combining] [--us]
  velmora-calc parts dump [--kind pipe|rect|bend|reducer|tee]

  The catalogues are those of the program's windows "Norm-Teile": the table
  files rohre.nfk, rohrea.nfk, rohreo.nfk, rechteck.nfk, boegen.nfk, reduz.nfk
  and testue.nfk in the program's folder. Numbers are written with a decimal
  point; names come from the language texts of the build's edition.

  list     one line a standard, tab-separated: kind, sheet, standard (the
           number --standard takes), variant (the material of a pipe table,
           the shape of a hollow section), name, and the sizes separated by
           "; " as --size takes them. A standard without a table has the
           language's "not available" text and no sizes.
  pipe ... one JSON object with the values the window shows: outer diameter
           and wall in the table's unit (mm, inches for the ASME schedules),
           inside diameter in mm and inches, mass in kg/m and lb/ft. A column
           is a pressure rating, an SDR, a schedule or a wall as listed; the
           first by default. Values the window shows as "not standard" or "-"
           are null; "not_standard" says which. "take_over" holds what the
           window takes over (mm, or inches with --us), null when nothing.
  rect, bend, reducer, tee
           the same for the other catalogues. A wall is the series 1 to 5 on
           the din sheet, STD or XS on the asme sheet (series 1 or STD by
           default); a hollow section's wall is one of its listed walls.
  dump     every row of every table of a kind as CSV with a header line, for
           checking the catalogue against its sources; empty where the window
           shows "not standard" or "-". Pipes:
             sheet,standard,size,column,outer_diameter_mm,wall_mm,
             inner_diameter_mm,inner_diameter_in,mass_kg_m
           (the ASME schedules' outer diameters and walls converted to mm with
           four decimals, exactly); rect, bend (mass of a 90° bend), reducer and
           tee with headers of their own.

  Options may also be written --name=value. A line of a table file that
  cannot be unscrambled is named on standard error; only its own values are
  not available.

EXIT STATUS
  0  printed
  1  a table file is missing (the catalogue's message on standard error), or
     the standard has no table, or a size, column, wall or use is not in the
     table (the entries there are on standard error)
  2  unusable arguments: no or an unknown subcommand, an unknown or repeated
     option, an option without its value

EXAMPLES
  velmora-calc parts pipe --standard 9 --size "DN 25 (1)"
  velmora-calc parts pipe --sheet asme --standard 1 --size "2 (50)" --column 40 --us
  velmora-calc parts tee --size 50 --wall 3 --branch 25 --branch-wall 3 --use combining
  velmora-calc parts dump > pipes.csv
)help";

}  // namespace velmora::cli
