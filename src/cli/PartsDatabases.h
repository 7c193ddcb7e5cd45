#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "text/TextStore.h"

// velmora-calc parts roughness, parts zeta and the dumps of both databases: the values the
// roughness and zeta database windows show and take over, as JSON or CSV.
namespace velmora::cli {

// Every command takes its arguments (the words after its name), the texts of the build's edition
// and the program folder (where the *.ZTA files lie), appends its output to `out` and its messages
// to `err`, and returns the exit status: 0 written, 1 a file could not be read or nothing matched,
// 2 unusable arguments.

// parts roughness [--entry N]: the 42 entries of the roughness database, or one of them.
int RunPartsRoughness(std::span<const char* const> arguments, const text::TextStore& texts,
                      const std::filesystem::path& programFolder, std::string& out, std::string& err);
// parts zeta [--folder DIR] [--manufacturer NAME [--designation TEXT [--dn N]]]: the manufacturers,
// one manufacturer's fittings, one fitting, or one fitting's zeta value at a nominal diameter.
int RunPartsZeta(std::span<const char* const> arguments, const text::TextStore& texts,
                 const std::filesystem::path& programFolder, std::string& out, std::string& err);
// parts dump --kind roughness: entry,key,description,roughness_mm as CSV.
int DumpRoughness(std::span<const char* const> arguments, const text::TextStore& texts,
                  const std::filesystem::path& programFolder, std::string& out, std::string& err);
// parts dump --kind zeta [--folder DIR]: manufacturer,designation,dn,zeta as CSV, every file.
int DumpZeta(std::span<const char* const> arguments, const text::TextStore& texts,
             const std::filesystem::path& programFolder, std::string& out, std::string& err);

// "parts roughness ...", "parts zeta ..." and "parts dump --kind roughness|zeta ..." (the words
// after "parts").
int RunPartsDatabases(std::span<const char* const> arguments, const text::TextStore& texts,
                      const std::filesystem::path& programFolder, std::string& out, std::string& err);

// The help of these commands.
extern const char* const PartsDatabasesHelpText;

}  // namespace velmora::cli
