#include "PartsDatabases.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

#include "FlatJson.h"
#include "ResultLine.h"
#include "coefficients/RoughnessTable.h"
#include "coefficients/RoughnessTakeOver.h"
#include "coefficients/ZetaDatabase.h"
#include "coefficients/ZetaNotes.h"
#include "coefficients/ZetaTakeOver.h"
#include "units/Numbers.h"

namespace velmora::cli {
namespace {

constexpr int kNotFound = 1;
constexpr int kUsageError = 2;

// Options of the form --name VALUE or --name=VALUE, each at most once; nothing else.
struct Options {
  std::map<std::string, std::string, std::less<>> values;
  std::string problem;  // why the arguments are unusable; empty when they are fine

  std::optional<std::string> Get(std::string_view name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional(found->second);
  }
};

Options ReadOptions(std::span<const char* const> arguments, std::initializer_list<std::string_view> known) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view word = arguments[i];
    std::string value;
    const std::size_t equals = word.find('=');
    if (equals != std::string_view::npos) {
      value = std::string(word.substr(equals + 1));
      word = word.substr(0, equals);
    }
    if (std::find(known.begin(), known.end(), word) == known.end()) {
      options.problem = "unknown argument " + std::string(arguments[i]);
      return options;
    }
    if (equals == std::string_view::npos) {
      if (i + 1 == arguments.size()) {
        options.problem = std::string(word) + " needs a value";
        return options;
      }
      value = arguments[++i];
    }
    if (!options.values.emplace(std::string(word.substr(2)), value).second) {
      options.problem = std::string(word) + " given twice";
      return options;
    }
  }
  return options;
}

int Usage(std::string& err, const std::string& problem) {
  err += "velmora-calc parts: " + problem + "\n";
  return kUsageError;
}

// A value written in a table ("0,40", "4,5") with a decimal point.
std::string WithPoint(std::string_view written) {
  std::string text(written);
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// The value as a JSON number: its own digits when they are one, else the parsed value.
void AppendValue(std::string& out, std::string_view written) {
  const std::string text = WithPoint(written);
  if (IsJsonNumber(text)) {
    out += text;
  } else {
    AppendJsonNumber(out, units::ParseNumber(written).value_or(0));
  }
}

void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendRoughnessEntry(std::string& out, const text::TextStore& texts, int entry) {
  const coefficients::RoughnessEntry& found = *coefficients::FindRoughnessEntry(texts.edition(), entry);
  out += "{\"entry\":" + std::to_string(entry) + ",\"key\":";
  AppendJsonString(out, found.key);
  out += ",\"description\":";
  AppendJsonString(out, coefficients::RoughnessDescription(texts, entry));
  out += ",\"value\":";
  AppendJsonString(out, found.value);
  out += ",\"mm\":";
  AppendValue(out, found.value);
  out += ",\"inches\":";
  AppendJsonString(out, coefficients::ColumnDialogRoughness(found.value, true, texts.edition()));
  out += '}';
}

std::filesystem::path Folder(const Options& options, const std::filesystem::path& programFolder) {
  const auto folder = options.Get("folder");
  return folder ? std::filesystem::path(*folder) : programFolder;
}

std::string FileNameOf(const coefficients::ZetaManufacturer& manufacturer) {
  return manufacturer.path.filename().string();
}

// The messages of a load as the window shows them, one after another on `err`.
void ReportLoad(std::string& err, const text::TextStore& texts, const coefficients::ZetaManufacturer& manufacturer,
                const coefficients::ZetaLoad& load) {
  if (load.error != coefficients::ZetaLoadError::None) {
    err += coefficients::ZetaLoadMessage(texts, FileNameOf(manufacturer), load).text + "\n";
  } else if (const auto notes = coefficients::ZetaNotesMessage(texts, FileNameOf(manufacturer), load.table)) {
    err += notes->text + "\n";
  }
}

void AppendFitting(std::string& out, const text::TextStore& texts, const coefficients::ZetaFitting& fitting) {
  out += "{\"designation\":";
  AppendJsonString(out, fitting.designation);
  out += ",\"sizes\":[";
  bool first = true;
  for (const coefficients::ZetaSize& size : fitting.sizes) {
    if (!first) out += ',';
    first = false;
    out += "{\"dn\":";
    AppendJsonString(out, size.diameter);
    out += ",\"zeta\":";
    AppendJsonString(out, coefficients::ShownZeta(size.zeta, texts.edition()));
    out += ",\"value\":";
    AppendValue(out, size.zeta);
    out += '}';
  }
  out += "]}";
}

}  // namespace

int RunPartsRoughness(std::span<const char* const> arguments, const text::TextStore& texts,
                      const std::filesystem::path&, std::string& out, std::string& err) {
  const Options options = ReadOptions(arguments, {"--entry"});
  if (!options.problem.empty()) return Usage(err, options.problem);
  if (const auto entry = options.Get("entry")) {
    const auto number = units::ParseNumber(*entry);
    const auto whole = number ? units::RoundToInt(*number) : std::nullopt;
    if (entry->empty() || !whole || static_cast<long double>(*whole) != *number || *whole < 1 ||
        *whole > coefficients::kRoughnessEntries) {
      return Usage(err, "--entry takes a whole number from 1 to 42");
    }
    AppendRoughnessEntry(out, texts, *whole);
    out += '\n';
    return 0;
  }
  out += "{\"edition\":\"" + std::string(1, texts.edition()) + "\",\"entries\":[";
  for (int entry = 1; entry <= coefficients::kRoughnessEntries; ++entry) {
    if (entry > 1) out += ',';
    AppendRoughnessEntry(out, texts, entry);
  }
  out += "]}\n";
  return 0;
}

int RunPartsZeta(std::span<const char* const> arguments, const text::TextStore& texts,
                 const std::filesystem::path& programFolder, std::string& out, std::string& err) {
  const Options options = ReadOptions(arguments, {"--folder", "--manufacturer", "--designation", "--dn"});
  if (!options.problem.empty()) return Usage(err, options.problem);
  const auto manufacturerName = options.Get("manufacturer");
  const auto designation = options.Get("designation");
  const auto diameter = options.Get("dn");
  if ((designation && !manufacturerName) || (diameter && !designation)) {
    return Usage(err, "--designation needs --manufacturer, --dn needs --designation");
  }
  const std::vector<coefficients::ZetaManufacturer> manufacturers =
      coefficients::ListZetaFiles(Folder(options, programFolder));
  if (manufacturers.empty()) {
    err += coefficients::ZetaLoadMessage(texts, {}, {coefficients::ZetaLoadError::Unreadable, {}}).text + "\n";
    return kNotFound;
  }
  if (!manufacturerName) {
    out += "{\"manufacturers\":[";
    for (std::size_t i = 0; i < manufacturers.size(); ++i) {
      if (i > 0) out += ',';
      AppendJsonString(out, manufacturers[i].name);
    }
    out += "]}\n";
    return 0;
  }
  const auto manufacturer = std::find_if(manufacturers.begin(), manufacturers.end(),
                                         [&](const auto& m) { return m.name == *manufacturerName; });
  if (manufacturer == manufacturers.end()) {
    err += "velmora-calc parts zeta: no file " + *manufacturerName + ".ZTA\n";
    return kNotFound;
  }
  const coefficients::ZetaLoad load = coefficients::LoadZetaFile(manufacturer->path);
  ReportLoad(err, texts, *manufacturer, load);
  if (load.error != coefficients::ZetaLoadError::None) return kNotFound;
  const auto& fittings = load.table.fittings;
  if (!designation) {
    out += "{\"manufacturer\":";
    AppendJsonString(out, manufacturer->name);
    out += ",\"fittings\":[";
    for (std::size_t i = 0; i < fittings.size(); ++i) {
      if (i > 0) out += ',';
      AppendFitting(out, texts, fittings[i]);
    }
    out += "]}\n";
    return 0;
  }
  const auto fitting =
      std::find_if(fittings.begin(), fittings.end(), [&](const auto& f) { return f.designation == *designation; });
  if (fitting == fittings.end()) {
    err += "velmora-calc parts zeta: no fitting " + *designation + " in " + FileNameOf(*manufacturer) + "\n";
    return kNotFound;
  }
  if (!diameter) {
    AppendFitting(out, texts, *fitting);
    out += '\n';
    return 0;
  }
  const auto size = std::find_if(fitting->sizes.begin(), fitting->sizes.end(),
                                 [&](const auto& s) { return s.diameter == *diameter; });
  if (size == fitting->sizes.end()) {
    err += "velmora-calc parts zeta: no DN " + *diameter + " for " + *designation + "\n";
    return kNotFound;
  }
  // What the window's take-over writes: the diameter and zeta of element 12/1 and the description.
  const coefficients::ZetaChoice choice{manufacturer->name, fitting->designation, size->diameter,
                                        coefficients::ShownZeta(size->zeta, texts.edition()), true};
  out += "{\"manufacturer\":";
  AppendJsonString(out, choice.manufacturer);
  out += ",\"designation\":";
  AppendJsonString(out, choice.designation);
  out += ",\"dn\":";
  AppendJsonString(out, choice.diameter);
  out += ",\"zeta\":";
  AppendJsonString(out, choice.zeta);
  out += ",\"value\":";
  AppendValue(out, size->zeta);
  out += ",\"description\":";
  AppendJsonString(out, coefficients::ZetaDescription(choice));
  out += "}\n";
  return 0;
}

int DumpRoughness(std::span<const char* const> arguments, const text::TextStore& texts, const std::filesystem::path&,
                  std::string& out, std::string& err) {
  const Options options = ReadOptions(arguments, {});
  if (!options.problem.empty()) return Usage(err, options.problem);
  out += "entry,key,description,roughness_mm\n";
  for (int entry = 1; entry <= coefficients::kRoughnessEntries; ++entry) {
    const coefficients::RoughnessEntry& found = *coefficients::FindRoughnessEntry(texts.edition(), entry);
    out += std::to_string(entry) + ",";
    AppendCsvField(out, found.key);
    out += ',';
    AppendCsvField(out, coefficients::RoughnessDescription(texts, entry));
    out += "," + WithPoint(found.value) + "\n";
  }
  return 0;
}

int DumpZeta(std::span<const char* const> arguments, const text::TextStore& texts,
             const std::filesystem::path& programFolder, std::string& out, std::string& err) {
  const Options options = ReadOptions(arguments, {"--folder"});
  if (!options.problem.empty()) return Usage(err, options.problem);
  const std::vector<coefficients::ZetaManufacturer> manufacturers =
      coefficients::ListZetaFiles(Folder(options, programFolder));
  if (manufacturers.empty()) {
    err += coefficients::ZetaLoadMessage(texts, {}, {coefficients::ZetaLoadError::Unreadable, {}}).text + "\n";
    return kNotFound;
  }
  out += "manufacturer,designation,dn,zeta\n";
  int status = 0;
  for (const coefficients::ZetaManufacturer& manufacturer : manufacturers) {
    const coefficients::ZetaLoad load = coefficients::LoadZetaFile(manufacturer.path);
    ReportLoad(err, texts, manufacturer, load);
    if (load.error != coefficients::ZetaLoadError::None) status = kNotFound;
    for (const coefficients::ZetaFitting& fitting : load.table.fittings) {
      for (const coefficients::ZetaSize& size : fitting.sizes) {
        AppendCsvField(out, manufacturer.name);
        out += ',';
        AppendCsvField(out, fitting.designation);
        out += ',';
        AppendCsvField(out, size.diameter);
        out += ',';
        AppendCsvField(out, WithPoint(size.zeta));
        out += '\n';
      }
    }
  }
  return status;
}

int RunPartsDatabases(std::span<const char* const> arguments, const text::TextStore& texts,
                      const std::filesystem::path& programFolder, std::string& out, std::string& err) {
  if (arguments.empty()) return Usage(err, "roughness, zeta or dump expected");
  const std::string_view command = arguments.front();
  const auto rest = arguments.subspan(1);
  if (command == "roughness") return RunPartsRoughness(rest, texts, programFolder, out, err);
  if (command == "zeta") return RunPartsZeta(rest, texts, programFolder, out, err);
  if (command != "dump") return Usage(err, "unknown command " + std::string(command));
  // dump --kind KIND [options]: the kind first, in either form.
  std::string_view kind;
  std::size_t used = 0;
  if (rest.size() >= 2 && std::string_view(rest[0]) == "--kind") {
    kind = rest[1];
    used = 2;
  } else if (!rest.empty() && std::string_view(rest[0]).starts_with("--kind=")) {
    kind = std::string_view(rest[0]).substr(7);
    used = 1;
  }
  if (kind == "roughness") return DumpRoughness(rest.subspan(used), texts, programFolder, out, err);
  if (kind == "zeta") return DumpZeta(rest.subspan(used), texts, programFolder, out, err);
  return Usage(err, "dump needs --kind roughness or --kind zeta first");
}

const char* const PartsDatabasesHelpText = R"(
COEFFICIENT DATABASES
  velmora-calc parts roughness [--entry N]
      The roughness database as its window lists it, in the build's edition:
      {"edition":"D","entries":[{...}, ...]}, or with --entry N (1 ... 42) the
      one entry {"entry","key","description","value","mm","inches"}: "value"
      is the text the main window's roughness field takes over (unit mm), "mm"
      the same as a number, "inches" the text the column dialog takes over in
      US display (the value / 25.4 with four decimals).
  velmora-calc parts zeta [--folder DIR] [--manufacturer NAME
                          [--designation TEXT [--dn N]]]
      The zeta database: every *.ZTA file of the program folder (or DIR) is a
      manufacturer. Without options {"manufacturers":[...]}; with
      --manufacturer its fittings {"manufacturer","fittings":[{"designation",
      "sizes":[{"dn","zeta","value"}, ...]}, ...]}; with --designation that
      fitting; with --dn the value the window takes over:
      {"manufacturer","designation","dn","zeta","value","description"}.
      "zeta" is written with the edition's decimal separator, "value" is the
      number. Lines of a file that cannot be read are named on standard error,
      as the window names them; the rest of the file is used.
  velmora-calc parts dump --kind roughness
  velmora-calc parts dump --kind zeta [--folder DIR]
      The whole database as CSV with a heading line and decimal points:
      entry,key,description,roughness_mm or manufacturer,designation,dn,zeta
      (fields with a comma or a quote are quoted).
  Exit status: 0 written; 1 no *.ZTA file, a file that cannot be read (the
  dump writes the others), or no such manufacturer, fitting or DN; 2 unusable
  arguments.
)";

}  // namespace velmora::cli
