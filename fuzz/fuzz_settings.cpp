// The per-user settings as a damaged or hand-edited INI file may hold them: every value the
// program asks for at start comes from the input, one line each in the order it is asked for ("~"
// is a value that is not there). The restore is taken whole or not at all, the recent-file list
// keeps at most its files, and the restored inputs go through the calculate command's checks.
// Nothing may crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "mainform/CalculateCommand.h"
#include "settings/ReadSettings.h"
#include "settings/RecentFileList.h"
#include "settings/SettingsKeys.h"
#include "text/TextFiles.h"
#include "text/TextStore.h"

namespace {

using namespace velmora;

class LineStore : public settings::SettingsStore {
 public:
  explicit LineStore(std::string_view content) : lines_(text::SplitLines(content)) {}
  std::optional<std::string> Read(std::string_view, std::string_view) const override {
    if (next_ >= lines_.size()) return std::nullopt;
    const std::string& line = lines_[next_++];
    if (line == "~") return std::nullopt;
    return line;
  }
  bool HasSection(std::string_view) const override { return !lines_.empty(); }
  bool Write(std::string_view, std::string_view, std::string_view) override { return false; }
  void Rewind() { next_ = 0; }

 private:
  std::vector<std::string> lines_;
  mutable std::size_t next_ = 0;
};

const text::TextStore& Texts(text::Edition edition) {
  static const std::vector<text::TextStore> stores = [] {
    std::vector<text::TextStore> loaded;
    for (const text::Edition e : text::kEditions) {
      loaded.emplace_back(e);
      loaded.back().LoadTexts(VELMORA_FUZZ_PROGRAM_DIR);
    }
    return loaded;
  }();
  return stores[static_cast<std::size_t>(text::EditionIndex(edition))];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LineStore store(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const text::Edition edition : text::kEditions) {
    store.Rewind();
    const settings::StoredSettings read = settings::ReadSettings(store, edition, Texts(edition));
    if (read.display.decimals < settings::kMinDecimals || read.display.decimals > settings::kMaxDecimals) std::abort();
    (void)mainform::CheckCalculateInputs(read.form, Texts(edition));
  }
  store.Rewind();
  settings::RecentFileList recent([](const std::string&) { return true; });
  recent.Load(store, settings::section::kRecentFiles);
  if (recent.Paths().size() > settings::RecentFileList::kKept) std::abort();
  for (const std::string& caption : recent.MenuCaptions("/home/user")) (void)recent.FileFor(caption, "/home/user");
  return 0;
}
