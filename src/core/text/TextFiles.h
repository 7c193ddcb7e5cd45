#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::text {

// A text or data file that is missing, unreadable or damaged.
class TextFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The lines of a text file: each ends at CR LF, LF or a lone CR; no empty line after a final line end.
std::vector<std::string> SplitLines(std::string_view content);

// Reads a whole file as lines; throws TextFileError when it cannot be read.
std::vector<std::string> ReadLines(const std::filesystem::path& path);

// Reads a scrambled file and unscrambles every line with the key of the slot.
std::vector<std::string> ReadScrambledLines(const std::filesystem::path& path, int slot);

}  // namespace velmora::text
