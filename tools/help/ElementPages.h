#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace velmora::tools {

// What the element chapter of one language is written from.
struct ElementSources {
  // data/help/<language>/elements.tsv: (group, kind, field) → HTML text. Group 0 holds the
  // page words ("title", "laminar", ...), kind 0 of a group its introduction ("intro").
  std::map<std::string, std::string> fields;
  // data/texts/elements.tsv in the language: (group, kind) → name, kind 0 the group's name.
  std::map<std::pair<int, int>, std::string> names;
  // data/texts/forms/MyWindow.tsv in the language: info<group·9 + kind> → the element note.
  std::map<int, std::string> notes;
};

// Reads the sources of `language` ("de", "en", "fr", "nl"; text column D, E, F, H).
ElementSources ReadElementSources(const std::filesystem::path& helpFolder, const std::filesystem::path& textsFolder,
                                  const std::string& language);

// The chapter's pages: elements.html (the overview of the groups and kinds) and
// elements-01.html … elements-13.html, one per group with a section "kind-<k>" per kind.
std::vector<std::pair<std::string, std::string>> ElementPages(const ElementSources& sources,
                                                              const std::string& language);

// The field text; throws std::runtime_error naming it when it is missing.
const std::string& Field(const ElementSources& sources, int group, int kind, const std::string& field);

}  // namespace velmora::tools
