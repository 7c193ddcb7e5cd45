#pragma once

#include <filesystem>
#include <span>

#include "text/TextStore.h"

// velmora-calc list gases|liquids|vapour-pressure|brines|oils|aqueous|substances|user: the names of
// a property table, one a line, as velmora-calc property takes them (brines with their number N).
namespace velmora::cli {

// Returns the exit status: 0 listed, 1 the table cannot be read (its message on standard error) or
// the output not be written, 2 no or an unknown table.
int RunListCommand(std::span<const char* const> arguments, const text::TextStore& texts,
                   const std::filesystem::path& programFolder);

}  // namespace velmora::cli
