// The language texts as a damaged installation may hold them: the input is split at lines "@@"
// into varsonst.gru, varglob.gru and elemente.gru, which are loaded into a text store of every
// edition and asked for every text. A damaged file is refused with its reason; nothing may crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "text/TextFiles.h"
#include "text/TextStore.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "velmora-fuzz-texts-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) std::abort();
    return std::filesystem::path(name);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::text;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"varsonst.gru", "varglob.gru", "elemente.gru"}) {
    const std::size_t end = rest.find("\n@@\n");
    std::ofstream(Folder() / name, std::ios::binary | std::ios::trunc) << rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 4);
  }
  for (const Edition edition : kEditions) {
    TextStore store(edition);
    try {
      store.LoadTexts(Folder());
    } catch (const TextFileError&) {
      continue;
    }
    for (int n = -1; n <= TextStore::kLastGlobalText + 1; ++n) (void)store.GlobalText(n);
    for (int g = 0; g <= TextStore::kGroups + 1; ++g) {
      (void)store.GroupName(g);
      for (int k = 0; k <= TextStore::kKindsPerGroup + 1; ++k) {
        for (const Edition language : kEditions) (void)store.KindNameIn(language, g, k);
      }
    }
    (void)store.FormText("MyWindow", "Datei1");
    try {
      FormTextReader reader = store.FormText("MyWindow");
      for (int i = 0; i < 4; ++i) (void)reader.Next();
    } catch (const TextFileError&) {}
  }
  return 0;
}
