#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace velmora::tools {

// Writes the manual of one language into `output` (emptied first): the English pages, then the
// language's own pages over them (a page not yet translated shows in English), the stylesheet,
// the pictures and the generated pages.
void WriteManual(const std::filesystem::path& helpFolder, const std::string& language,
                 const std::filesystem::path& picturesFolder,
                 const std::vector<std::pair<std::string, std::string>>& generatedPages,
                 const std::filesystem::path& output);

}  // namespace velmora::tools
