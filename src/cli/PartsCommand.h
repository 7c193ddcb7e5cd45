#pragma once

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "text/TextStore.h"

// velmora-calc parts: the standard-parts catalogues from the command line, with the catalogue
// windows' values.
namespace velmora::cli {

// Options of a parts subcommand ("--name value" or "--name=value", each at most once).
struct PartsOptions {
  std::map<std::string, std::string, std::less<>> values;

  // The option's value, or `fallback` when it is not given.
  std::string Get(std::string_view name, std::string_view fallback = {}) const;
  bool Has(std::string_view name) const { return values.contains(name); }
};

// What a subcommand works with: the language texts of the build, the program folder with the
// table files, its options, and where its output and its messages go.
struct PartsContext {
  const text::TextStore& texts;
  std::filesystem::path folder;
  PartsOptions options;
  std::string& out;
  std::string& err;
};

// Exit status of a subcommand: printed, refused (a table file missing, a size or column the table
// does not have; the reason on err), unusable arguments.
inline constexpr int kPartsPrinted = 0;
inline constexpr int kPartsRefused = 1;
inline constexpr int kPartsUsage = 2;

// A subcommand: its name, the options it takes (comma-separated names without "--") and what it
// does. `velmora-calc parts NAME` runs it; `velmora-calc parts dump --kind NAME` runs the dump
// entry of the same name.
struct PartsSubcommand {
  std::string_view name;
  std::string_view options;
  int (*run)(const PartsContext& context);
};

// Runs `velmora-calc parts SUBCOMMAND [options]` with the arguments after "parts". Returns the
// exit status; writes the answer to `out` and messages to `err`.
int RunParts(std::span<const char* const> arguments, const text::TextStore& texts, const std::filesystem::path& folder,
             std::string& out, std::string& err);

// The text of velmora-calc parts --help.
extern const char* const PartsHelpText;

}  // namespace velmora::cli
