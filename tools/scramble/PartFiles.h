#pragma once

#include <filesystem>

namespace velmora::tools {

// Writes the standard-part table files (rohre.nfk, rohrea.nfk, rohreo.nfk, rechteck.nfk, boegen.nfk,
// reduz.nfk, testue.nfk) from the sources under data/parts, every table at the lines the program
// reads it from, every line scrambled with key slot 3. Throws std::runtime_error when a source does
// not fit its table.
void WritePartFiles(const std::filesystem::path& sourceDir, const std::filesystem::path& outputDir);

}  // namespace velmora::tools
