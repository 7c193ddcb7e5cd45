#pragma once

#include <cstdio>
#include <span>

#include "text/TextStore.h"

// velmora-calc table: a project file's results table as text, CSV or JSON, as stored or
// recalculated.
namespace velmora::cli {

// The help section of the table command, printed after the general help.
extern const char* const TableHelpText;

// Runs `velmora-calc table [--format text|csv|json] [--recalculate] [--decimals N] FILE` with the
// arguments after "table"; writes the table to `out` and messages to `err`. Returns the exit
// status: 0 printed, 1 the file could not be read or is not a valid project (the program's
// message on `err`) or `out` could not be written, 2 unusable arguments.
int RunTable(std::span<const char* const> arguments, const text::TextStore& texts, std::FILE* out, std::FILE* err);

}  // namespace velmora::cli
