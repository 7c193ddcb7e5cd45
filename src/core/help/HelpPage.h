#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::help {

// One page of the manual as its HTML says it: the title, its place in the contents, its words
// and its links. A page names its place with two meta tags in its head:
//   <meta name="velmora-parent" content="elements.html">  the page it belongs under
//   <meta name="velmora-order" content="20">               its place among its siblings
// The start page has no parent; a page without an order comes after the ordered ones.
struct HelpPage {
  std::string id;      // the file name, "elements.html"
  std::string title;   // the <title>, entities decoded
  std::string parent;  // the parent page's id, empty for the start page
  double order = 1e9;
  std::string text;                            // the words of the body, tags removed, entities decoded
  std::vector<std::string> links;              // every href and src, as written ("a.html#x", "pictures/1601.png")
  std::set<std::string, std::less<>> anchors;  // every id and name attribute
};

// Reads a page from its HTML. Never throws: what it cannot read stays empty.
HelpPage ParseHelpPage(std::string_view id, std::string_view html);

// The text of a piece of HTML: entities (&amp; &lt; &gt; &quot; &nbsp; &#n; &#xn; and a few named
// letters) decoded into UTF-8.
std::string DecodeEntities(std::string_view html);

}  // namespace velmora::help
