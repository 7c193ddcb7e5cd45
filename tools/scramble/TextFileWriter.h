#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace velmora::tools {

// Writes lines to a file through a temporary file and a rename, so a failure never leaves a
// half-written file in place of the previous one.
void WriteLinesAtomically(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Scrambles every non-empty line with the key of the slot. The seeds come from a generator with a
// fixed start so that builds are reproducible.
std::vector<std::string> ScrambleLines(const std::vector<std::string>& lines, int slot, std::mt19937& seeds);

}  // namespace velmora::tools
