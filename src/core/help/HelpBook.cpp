#include "help/HelpBook.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <system_error>

namespace velmora::help {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool HasScheme(std::string_view link) {
  const std::size_t colon = link.find(':');
  const std::size_t slash = link.find('/');
  return colon != std::string_view::npos && (slash == std::string_view::npos || colon < slash);
}

void AddChildren(const std::map<std::string, std::vector<const HelpPage*>>& children, const std::string& parent,
                 int depth, std::vector<ContentsLine>& lines) {
  const auto found = children.find(parent);
  if (found == children.end() || depth > 16) return;
  for (const HelpPage* page : found->second) {
    lines.push_back({page, depth});
    AddChildren(children, page->id, depth + 1, lines);
  }
}

}  // namespace

HelpBook HelpBook::Load(const std::filesystem::path& folder) {
  HelpBook book;
  book.folder_ = folder;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!entry.is_regular_file(error) || entry.path().extension() != ".html") continue;
    book.pages_.push_back(ParseHelpPage(entry.path().filename().string(), ReadFile(entry.path())));
  }
  std::sort(book.pages_.begin(), book.pages_.end(), [](const HelpPage& a, const HelpPage& b) { return a.id < b.id; });
  return book;
}

HelpBook HelpBook::FromPages(const std::vector<std::pair<std::string, std::string>>& pages) {
  HelpBook book;
  for (const auto& [id, html] : pages) book.pages_.push_back(ParseHelpPage(id, html));
  std::sort(book.pages_.begin(), book.pages_.end(), [](const HelpPage& a, const HelpPage& b) { return a.id < b.id; });
  return book;
}

const HelpPage* HelpBook::Find(std::string_view id) const {
  const auto found = std::lower_bound(pages_.begin(), pages_.end(), id,
                                      [](const HelpPage& page, std::string_view key) { return page.id < key; });
  return found != pages_.end() && found->id == id ? &*found : nullptr;
}

bool HelpBook::Resolves(std::string_view link, std::string_view fromPage) const {
  if (link.empty() || HasScheme(link)) return false;
  const std::size_t hash = link.find('#');
  const std::string_view file = link.substr(0, hash);
  const std::string_view anchor = hash == std::string_view::npos ? std::string_view() : link.substr(hash + 1);
  const HelpPage* page = Find(file.empty() ? fromPage : file);
  if (page == nullptr) {
    // Not a page: a picture or another file of the folder (only when the book has a folder).
    if (file.empty() || !anchor.empty() || folder_.empty() || file.find("..") != std::string_view::npos) return false;
    std::error_code error;
    return std::filesystem::is_regular_file(folder_ / std::filesystem::path(file), error);
  }
  return anchor.empty() || page->anchors.contains(anchor);
}

std::vector<ContentsLine> HelpBook::Contents(std::string_view startPage) const {
  std::map<std::string, std::vector<const HelpPage*>> children;
  for (const HelpPage& page : pages_) {
    if (page.id == startPage) continue;
    const std::string parent = Find(page.parent) != nullptr ? page.parent : std::string(startPage);
    children[parent].push_back(&page);
  }
  for (auto& [parent, list] : children) {
    std::stable_sort(list.begin(), list.end(), [](const HelpPage* a, const HelpPage* b) {
      if (a->order != b->order) return a->order < b->order;
      return a->title < b->title;
    });
  }
  std::vector<ContentsLine> lines;
  AddChildren(children, std::string(startPage), 0, lines);
  return lines;
}

std::vector<DeadLink> HelpBook::DeadLinks() const {
  std::vector<DeadLink> dead;
  for (const HelpPage& page : pages_) {
    for (const std::string& link : page.links) {
      if (!Resolves(link, page.id)) dead.push_back({page.id, link});
    }
  }
  return dead;
}

}  // namespace velmora::help
