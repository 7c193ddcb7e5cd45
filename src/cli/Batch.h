#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "Answer.h"

// The batch mode of velmora-calc: one JSON line in, one JSON line out, in order.
namespace velmora::cli {

// Input lines longer than this are answered with an error line and otherwise skipped.
inline constexpr std::size_t MaxLineLength = 65536;

// Reads, checks and calculates one input line and appends its output line to `out`. All work
// space lies in the caller's `scratch`.
void ProcessLine(std::string_view line, const Checks& checks, Scratch& scratch, std::string& out);

// Answers one input line by appending its output line; `tooLong` marks a line longer than
// MaxLineLength, of which nothing is passed.
using LineAnswerer = std::function<void(std::string_view line, bool tooLong, std::string& out)>;

// The line loop of every batch mode: reads lines from the file descriptor `in` until its end (a
// last line without its newline included) and writes each answer to `out`, flushing whenever the
// input has to be waited for. False when the output cannot be written or the input read.
bool RunLines(int in, int out, const LineAnswerer& answer);

// Reads lines from the file descriptor `in` until its end and writes the answers to `out`.
// Output is flushed whenever the input has to be waited for, so a caller can talk to the
// program line by line. Returns false when the output cannot be written or the input read.
bool RunBatch(int in, int out, const Checks& checks);

}  // namespace velmora::cli
