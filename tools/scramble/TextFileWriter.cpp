#include "TextFileWriter.h"

#include <fstream>
#include <stdexcept>

#include "text/TEncryption.h"

namespace velmora::tools {

void WriteLinesAtomically(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
    out.flush();
    if (!out) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path);
}

std::vector<std::string> ScrambleLines(const std::vector<std::string>& lines, int slot, std::mt19937& seeds) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  std::uniform_int_distribution<int> byte(0, 255);
  for (const std::string& line : lines) {
    out.push_back(line.empty()
                      ? std::string()
                      : text::ScrambleWithSeed(line, text::KeyOfSlot(slot), static_cast<unsigned char>(byte(seeds))));
  }
  return out;
}

}  // namespace velmora::tools
