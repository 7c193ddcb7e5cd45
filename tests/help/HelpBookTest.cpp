// The reading of the manual's pages: titles, places in the contents, links and anchors, the
// contents built from them and the search.
#include <gtest/gtest.h>

#include "help/HelpBook.h"
#include "help/HelpSearch.h"

namespace velmora::help {
namespace {

std::string Page(const std::string& title, const std::string& parent, const std::string& order,
                 const std::string& body) {
  return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title>" +
         (parent.empty() ? "" : "<meta name=\"velmora-parent\" content=\"" + parent + "\">") +
         (order.empty() ? "" : "<meta name='velmora-order' content='" + order + "'>") +
         "<style>h1 { color: red; }</style></head><body>" + body + "</body></html>";
}

HelpBook SampleBook() {
  return HelpBook::FromPages({
      {"index.html", Page("Start", "", "", "<p>See <a href=\"b.html#two\">B</a> and <a href='a.html'>A</a>.</p>")},
      {"a.html",
       Page("Alpha &amp; Omega", "index.html", "20", "<h2 id=\"one\">Rohrreibung</h2><!-- <a href=\"x.html\"> -->")},
      {"b.html",
       Page("Bends", "index.html", "10", "<h2 id=\"two\">Bends</h2><p>Kr&uuml;mmer, ÄUSSERE Kante. Bend.</p>")},
      {"b1.html", Page("Bend details", "b.html", "",
                       "<a name=\"three\"></a><img src=\"pictures/2101.png\">"
                       "<a href=\"#three\">up</a><a href=\"https://example.org\">web</a>")},
      {"orphan.html", Page("Orphan", "missing.html", "5", "<a href=\"a.html#none\">gone</a>")},
  });
}

TEST(HelpPage, TitlePlaceLinksAnchorsAndWords) {
  const HelpBook book = SampleBook();
  const HelpPage& a = *book.Find("a.html");
  EXPECT_EQ(a.title, "Alpha & Omega");
  EXPECT_EQ(a.parent, "index.html");
  EXPECT_EQ(a.order, 20);
  EXPECT_TRUE(a.anchors.contains("one"));
  EXPECT_TRUE(a.links.empty()) << "a link inside a comment is no link";
  EXPECT_EQ(a.text.find("color"), std::string::npos) << "style sheets are no words";
  const HelpPage& b1 = *book.Find("b1.html");
  EXPECT_TRUE(b1.anchors.contains("three"));
  EXPECT_EQ(b1.links, (std::vector<std::string>{"pictures/2101.png", "#three", "https://example.org"}));
  EXPECT_NE(book.Find("b.html")->text.find("Krümmer"), std::string::npos);
  EXPECT_EQ(DecodeEntities("&#946;&#x3b6;&lt;&nbsp;&unknown;"), "βζ<\u00a0&unknown;");
}

TEST(HelpBook, ContentsFollowParentAndOrder) {
  const HelpBook book = SampleBook();
  std::vector<std::pair<std::string, int>> lines;
  for (const ContentsLine& line : book.Contents("index.html")) lines.emplace_back(line.page->id, line.depth);
  // b (order 10) before a (20); b1 under b; a page whose parent is missing stands at the top.
  EXPECT_EQ(lines, (std::vector<std::pair<std::string, int>>{
                       {"orphan.html", 0}, {"b.html", 0}, {"b1.html", 1}, {"a.html", 0}}));
}

TEST(HelpBook, LinksResolveToPagesAndAnchors) {
  const HelpBook book = SampleBook();
  EXPECT_TRUE(book.Resolves("b.html#two"));
  EXPECT_TRUE(book.Resolves("#three", "b1.html"));
  EXPECT_FALSE(book.Resolves("b.html#one"));
  EXPECT_FALSE(book.Resolves("nowhere.html"));
  EXPECT_FALSE(book.Resolves("https://example.org")) << "the manual works without a network";
  std::vector<std::string> dead;
  for (const DeadLink& link : book.DeadLinks()) dead.push_back(link.page + " " + link.link);
  // The picture is dead as well: a book made of pages alone has no folder to hold it.
  EXPECT_EQ(dead, (std::vector<std::string>{"b1.html pictures/2101.png", "b1.html https://example.org",
                                            "orphan.html a.html#none"}));
}

TEST(HelpSearch, EveryWordAtAWordStartCaseFoldedTitleFirst) {
  const HelpBook book = SampleBook();
  const auto ids = [&book](std::string_view query) {
    std::vector<std::string> found;
    for (const SearchHit& hit : Search(book, query)) found.push_back(hit.page->id);
    return found;
  };
  EXPECT_EQ(ids("bend"), (std::vector<std::string>{"b.html", "b1.html"}));  // b: in title and text
  EXPECT_EQ(ids("KRÜMMER äussere"), (std::vector<std::string>{"b.html"}));
  EXPECT_EQ(ids("rohr"), (std::vector<std::string>{"a.html"}));
  EXPECT_TRUE(ids("end").empty()) << "words are found from their start";
  EXPECT_TRUE(ids("bend omega").empty()) << "every word must be on the page";
  EXPECT_TRUE(ids("  ").empty());
}

}  // namespace
}  // namespace velmora::help
