#include "ManualFolder.h"

#include <fstream>
#include <stdexcept>

namespace velmora::tools {
namespace fs = std::filesystem;
namespace {

void CopyPages(const fs::path& from, const fs::path& to) {
  if (!fs::is_directory(from)) return;
  for (const auto& entry : fs::directory_iterator(from)) {
    const fs::path& path = entry.path();
    const std::string extension = path.extension().string();
    if (!entry.is_regular_file() || (extension != ".html" && extension != ".png")) continue;
    fs::copy_file(path, to / path.filename(), fs::copy_options::overwrite_existing);
  }
}

}  // namespace

void WriteManual(const fs::path& helpFolder, const std::string& language, const fs::path& picturesFolder,
                 const std::vector<std::pair<std::string, std::string>>& generatedPages, const fs::path& output) {
  fs::remove_all(output);
  fs::create_directories(output / "pictures");
  CopyPages(helpFolder / "en", output);
  CopyPages(helpFolder / language, output);
  fs::copy_file(helpFolder / "help.css", output / "help.css", fs::copy_options::overwrite_existing);
  for (const auto& entry : fs::directory_iterator(picturesFolder)) {
    if (entry.path().extension() == ".png") fs::copy_file(entry.path(), output / "pictures" / entry.path().filename());
  }
  for (const auto& [name, html] : generatedPages) {
    if (fs::exists(helpFolder / language / name)) throw std::runtime_error(name + " is written from elements.tsv");
    std::ofstream out(output / name, std::ios::binary);
    out << html;
    if (!out) throw std::runtime_error("cannot write " + (output / name).string());
  }
}

}  // namespace velmora::tools
