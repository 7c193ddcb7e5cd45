#include "text/TextStore.h"

#include "text/FieldOf.h"
#include "text/TextFiles.h"

namespace velmora::text {
namespace {

const std::string kEmpty;

// Field of the edition's language: 4..7 in the scrambled text files, 3..6 in elemente.gru.
int TextField(Edition edition) { return 4 + EditionIndex(edition); }
int CatalogueField(Edition edition) { return 3 + EditionIndex(edition); }

constexpr int kCatalogueLines = 141;  // lines 0..140
constexpr int kSkippedFrom = 155;     // global lines 155..164 hold no texts
constexpr int kSkippedTo = 164;

}  // namespace

std::string FormTextReader::Next() {
  if (next_ >= lines_->size()) throw TextFileError("varsonst.gru ends inside a window's block");
  return FieldOf((*lines_)[next_++], TextField(edition_));
}

void TextStore::LoadTexts(const std::filesystem::path& folder) {
  if (!IsEdition(edition_)) throw TextFileError(std::string("unknown edition letter ") + edition_);
  std::vector<std::string> formLines = ReadScrambledLines(folder / "varsonst.gru", 3);

  const std::vector<std::string> globalLines = ReadScrambledLines(folder / "varglob.gru", 3);
  if (globalLines.size() <= static_cast<std::size_t>(kLastGlobalText)) {
    throw TextFileError("varglob.gru has too few lines");
  }
  std::vector<std::string> globals(kLastGlobalText + 1);
  for (int n = 6; n <= kLastGlobalText; ++n) {
    if (n >= kSkippedFrom && n <= kSkippedTo) continue;
    globals[static_cast<std::size_t>(n)] = FieldOf(globalLines[static_cast<std::size_t>(n)], TextField(edition_));
  }
  std::vector<std::string> vocabulary;
  for (const std::string& line : globalLines) {
    if (FieldView(line, 1) == "x") vocabulary.push_back(line);
  }

  const std::vector<std::string> catalogue = ReadLines(folder / "elemente.gru");
  if (catalogue.size() < static_cast<std::size_t>(kCatalogueLines)) {
    throw TextFileError("elemente.gru has too few lines");
  }
  std::vector<std::string> groups;
  for (int g = 1; g <= kGroups; ++g) {
    groups.push_back(FieldOf(catalogue[static_cast<std::size_t>(g + 1)], CatalogueField(edition_)));
  }
  std::vector<std::string> kinds[4];
  for (int language = 0; language < 4; ++language) {
    for (int g = 1; g <= kGroups; ++g) {
      for (int k = 1; k <= kKindsPerGroup; ++k) {
        const auto line = static_cast<std::size_t>(kKindsPerGroup * g + k + 14);
        kinds[language].push_back(FieldOf(catalogue[line], 3 + language));
      }
    }
  }

  // A block runs from its window's line to the next line that names a window in field 1;
  // field 2 of each line is the key the windows ask by.
  std::map<std::string, std::string, std::less<>> formIndex;
  std::string_view window;
  for (const std::string& line : formLines) {
    if (!FieldView(line, 1).empty()) window = FieldView(line, 1);
    const std::string_view key = FieldView(line, 2);
    if (window.empty() || key.empty()) continue;
    formIndex.emplace(std::string(window) + "/" + std::string(key), FieldOf(line, TextField(edition_)));
  }

  formIndex_ = std::move(formIndex);
  formLines_ = std::move(formLines);
  globalTexts_ = std::move(globals);
  vocabulary_ = std::move(vocabulary);
  groupNames_ = std::move(groups);
  for (int language = 0; language < 4; ++language) kindNames_[language] = std::move(kinds[language]);
  missing_.clear();
}

const std::string& TextStore::GlobalText(int n) const {
  if (n < 0 || static_cast<std::size_t>(n) >= globalTexts_.size() ||
      globalTexts_[static_cast<std::size_t>(n)].empty()) {
    missing_.insert("global " + std::to_string(n));
    return kEmpty;
  }
  return globalTexts_[static_cast<std::size_t>(n)];
}

FormTextReader TextStore::FormText(std::string_view window) const {
  for (std::size_t i = 0; i < formLines_.size(); ++i) {
    if (FieldView(formLines_[i], 1) == window) return FormTextReader(&formLines_, i, edition_);
  }
  throw TextFileError("varsonst.gru has no block for " + std::string(window));
}

const std::string& TextStore::FormText(std::string_view window, std::string_view key) const {
  std::string id = std::string(window) + "/" + std::string(key);
  const auto found = formIndex_.find(id);
  if (found == formIndex_.end() || found->second.empty()) {
    missing_.insert(std::move(id));
    return kEmpty;
  }
  return found->second;
}

bool TextStore::HasFormText(std::string_view window, std::string_view key) const {
  const auto found = formIndex_.find(std::string(window) + "/" + std::string(key));
  return found != formIndex_.end() && !found->second.empty();
}

std::size_t TextStore::KindIndex(int group, int kind) {
  return static_cast<std::size_t>((group - 1) * kKindsPerGroup + (kind - 1));
}

const std::string& TextStore::GroupName(int group) const {
  if (group < 1 || group > kGroups || groupNames_.empty()) return kEmpty;
  return groupNames_[static_cast<std::size_t>(group - 1)];
}

const std::string& TextStore::KindName(int group, int kind) const { return KindNameIn(edition_, group, kind); }

const std::string& TextStore::KindNameIn(Edition language, int group, int kind) const {
  const int index = EditionIndex(language);
  if (index < 0 || group < 1 || group > kGroups || kind < 1 || kind > kKindsPerGroup) return kEmpty;
  const auto& names = kindNames_[index];
  if (names.empty()) return kEmpty;
  return names[KindIndex(group, kind)];
}

}  // namespace velmora::text
