#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "text/Edition.h"

namespace velmora::text {

// Texts of one window's block in varsonst.gru, read one after another in the window's own order.
class FormTextReader {
 public:
  FormTextReader(const std::vector<std::string>* lines, std::size_t start, Edition edition)
      : lines_(lines), next_(start), edition_(edition) {}
  // The next text of the block; running past the end of the file is a data error (throws).
  std::string Next();

 private:
  const std::vector<std::string>* lines_;
  std::size_t next_;
  Edition edition_;
};

// The language texts and element names of one edition: varglob.gru, varsonst.gru, elemente.gru.
class TextStore {
 public:
  static constexpr int kGroups = 13;
  static constexpr int kKindsPerGroup = 9;
  static constexpr int kLastGlobalText = 191;

  explicit TextStore(Edition edition = 'D') : edition_(edition) {}

  // Loads varsonst.gru, varglob.gru and elemente.gru from the folder, in that order.
  // Throws TextFileError for a missing, damaged or short file; the store is then unchanged.
  void LoadTexts(const std::filesystem::path& folder);

  Edition edition() const { return edition_; }

  // Global text n (lines 6..154 and 165..191); any other number is empty.
  const std::string& GlobalText(int n) const;

  // A reader positioned at the window's block (first line whose field 1 equals the name).
  // Throws TextFileError when the block is missing.
  FormTextReader FormText(std::string_view window) const;

  // The text of the block line whose field 2 is the key; empty (and recorded as missing) if absent.
  const std::string& FormText(std::string_view window, std::string_view key) const;

  // Whether the block holds a non-empty text for the key (asks without recording a miss).
  bool HasFormText(std::string_view window, std::string_view key) const;

  // Group g (1..13) and kind (g, k) names in the edition's language, or in a given language.
  const std::string& GroupName(int group) const;
  const std::string& KindName(int group, int kind) const;
  const std::string& KindNameIn(Edition language, int group, int kind) const;

  // The vocabulary entries (field 1 "x") of varglob.gru, for the translation of stored texts.
  const std::vector<std::string>& VocabularyLines() const { return vocabulary_; }

  // Texts that the program asked for and found empty or absent, as "global 12" or "MyWindow/key".
  const std::set<std::string>& MissingTexts() const { return missing_; }

 private:
  static std::size_t KindIndex(int group, int kind);

  Edition edition_;
  std::vector<std::string> globalTexts_;                       // index = line number, 0..191
  std::vector<std::string> formLines_;                         // unscrambled varsonst.gru
  std::map<std::string, std::string, std::less<>> formIndex_;  // "window/key" -> text
  std::vector<std::string> vocabulary_;
  std::vector<std::string> groupNames_;    // index 0..12
  std::vector<std::string> kindNames_[4];  // per language D, E, F, H; index (g-1)*9 + (k-1)
  mutable std::set<std::string> missing_;
};

}  // namespace velmora::text
