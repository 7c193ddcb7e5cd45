#include "TestTexts.h"

#include <map>

namespace velmora::testing_support {

const text::TextStore& Texts(text::Edition edition) {
  static std::map<text::Edition, text::TextStore> stores;
  auto found = stores.find(edition);
  if (found == stores.end()) {
    found = stores.emplace(edition, text::TextStore(edition)).first;
    found->second.LoadTexts(VELMORA_TEST_PROGRAM_DIR);
  }
  return found->second;
}

}  // namespace velmora::testing_support
