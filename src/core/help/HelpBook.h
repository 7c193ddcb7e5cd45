#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "help/HelpPage.h"

namespace velmora::help {

// A line of the contents: a page and how deep it stands under the start page (0 = a chapter).
struct ContentsLine {
  const HelpPage* page;
  int depth;
};

// A link that leads nowhere: the page it stands on and the link as written.
struct DeadLink {
  std::string page;
  std::string link;
};

// The manual of one language: every *.html page of its folder. The contents follow the pages'
// parent and order meta tags, so a new chapter is one new file in the folder.
class HelpBook {
 public:
  // Reads every page of the folder; an unreadable folder gives an empty book.
  static HelpBook Load(const std::filesystem::path& folder);
  // A book of pages given as (id, html), for tests.
  static HelpBook FromPages(const std::vector<std::pair<std::string, std::string>>& pages);

  const std::vector<HelpPage>& Pages() const { return pages_; }
  const HelpPage* Find(std::string_view id) const;

  // Whether a link as written on a page ("a.html", "a.html#x", "#x") leads to a page of the book
  // and, when it names one, to an anchor on it.
  bool Resolves(std::string_view link, std::string_view fromPage = {}) const;

  // The contents: the start page's children in their order, each followed by its own children;
  // pages whose parent is missing stand at the top.
  std::vector<ContentsLine> Contents(std::string_view startPage) const;

  // Every link of every page that leads nowhere: another page or anchor that does not exist, a
  // picture or file missing from the folder, or any address outside the manual (http:, mailto:
  // ...): the manual works without a network.
  std::vector<DeadLink> DeadLinks() const;

 private:
  std::filesystem::path folder_;
  std::vector<HelpPage> pages_;  // sorted by id
};

}  // namespace velmora::help
