#include "help/HelpPage.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdlib>

namespace velmora::help {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[at + i]) != word[i]) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x110000) {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

struct NamedEntity {
  std::string_view name;
  std::uint32_t code;
};

constexpr NamedEntity kNamedEntities[] = {
    {"amp", '&'},       {"lt", '<'},      {"gt", '>'},      {"quot", '"'},    {"apos", '\''},    {"nbsp", 0xA0},
    {"shy", 0xAD},      {"auml", 0xE4},   {"ouml", 0xF6},   {"uuml", 0xFC},   {"Auml", 0xC4},    {"Ouml", 0xD6},
    {"Uuml", 0xDC},     {"szlig", 0xDF},  {"eacute", 0xE9}, {"egrave", 0xE8}, {"agrave", 0xE0},  {"middot", 0xB7},
    {"deg", 0xB0},      {"times", 0xD7},  {"le", 0x2264},   {"ge", 0x2265},   {"ndash", 0x2013}, {"mdash", 0x2014},
    {"hellip", 0x2026}, {"minus", 0x2212}};

// The entity starting at html[at] ('&'): its UTF-8 text and its length, or length 0.
std::size_t DecodeEntityAt(std::string_view html, std::size_t at, std::string& out) {
  const std::size_t end = html.find(';', at);
  if (end == std::string_view::npos || end - at > 10) return 0;
  const std::string_view body = html.substr(at + 1, end - at - 1);
  if (body.size() > 1 && body[0] == '#') {
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || ptr != digits.data() + digits.size()) return 0;
    AppendUtf8(out, code);
    return end - at + 1;
  }
  for (const NamedEntity& entity : kNamedEntities) {
    if (entity.name == body) {
      AppendUtf8(out, entity.code);
      return end - at + 1;
    }
  }
  return 0;
}

// The value of attribute `name` inside one tag's text (between '<' and '>'), empty when absent.
bool AttributeValue(std::string_view tag, std::string_view name, std::string& value) {
  std::size_t at = 0;
  while ((at = tag.find('=', at)) != std::string_view::npos) {
    std::size_t nameEnd = at;
    while (nameEnd > 0 && std::isspace(static_cast<unsigned char>(tag[nameEnd - 1]))) --nameEnd;
    std::size_t nameStart = nameEnd;
    while (nameStart > 0 && !std::isspace(static_cast<unsigned char>(tag[nameStart - 1]))) --nameStart;
    std::size_t valueStart = at + 1;
    while (valueStart < tag.size() && std::isspace(static_cast<unsigned char>(tag[valueStart]))) ++valueStart;
    if (valueStart >= tag.size()) return false;
    std::size_t valueEnd;
    if (tag[valueStart] == '"' || tag[valueStart] == '\'') {
      valueEnd = tag.find(tag[valueStart], valueStart + 1);
      if (valueEnd == std::string_view::npos) return false;
      ++valueStart;
    } else {
      valueEnd = valueStart;
      while (valueEnd < tag.size() && !std::isspace(static_cast<unsigned char>(tag[valueEnd]))) ++valueEnd;
    }
    bool same = nameEnd - nameStart == name.size();
    for (std::size_t i = 0; same && i < name.size(); ++i) same = Lower(tag[nameStart + i]) == name[i];
    if (same) {
      value = DecodeEntities(tag.substr(valueStart, valueEnd - valueStart));
      return true;
    }
    at = valueEnd;
  }
  return false;
}

std::string TagName(std::string_view tag) {
  std::string name;
  for (std::size_t i = tag.front() == '/' ? 1 : 0; i < tag.size(); ++i) {
    const char c = tag[i];
    if (!std::isalnum(static_cast<unsigned char>(c))) break;
    name += Lower(c);
  }
  return name;
}

// Tags after which the text reads as a new word (block elements and line breaks).
bool BreaksWords(const std::string& name) {
  static constexpr std::string_view kBlocks[] = {"br", "p",  "div", "li", "td", "th", "tr",    "h1",  "h2",
                                                 "h3", "h4", "dt",  "dd", "ul", "ol", "table", "pre", "title"};
  for (std::string_view block : kBlocks) {
    if (name == block) return true;
  }
  return false;
}

void ReadMeta(std::string_view tag, HelpPage& page) {
  std::string name;
  std::string content;
  if (!AttributeValue(tag, "name", name) || !AttributeValue(tag, "content", content)) return;
  if (name == "velmora-parent") page.parent = content;
  if (name == "velmora-order") {
    char* end = nullptr;
    const double order = std::strtod(content.c_str(), &end);
    if (end != content.c_str()) page.order = order;
  }
}

// Links of any tag; anchors by id, or by name on <a>.
void ReadAttributes(std::string_view tag, const std::string& tagName, HelpPage& page) {
  std::string value;
  if (AttributeValue(tag, "href", value)) page.links.push_back(value);
  if (AttributeValue(tag, "src", value)) page.links.push_back(value);
  if (AttributeValue(tag, "id", value)) page.anchors.insert(value);
  if (tagName == "a" && AttributeValue(tag, "name", value)) page.anchors.insert(value);
}

}  // namespace

std::string DecodeEntities(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '&') {
      const std::size_t used = DecodeEntityAt(html, i, out);
      if (used > 0) {
        i += used - 1;
        continue;
      }
    }
    out += html[i];
  }
  return out;
}

HelpPage ParseHelpPage(std::string_view id, std::string_view html) {
  HelpPage page;
  page.id = std::string(id);
  std::string raw;  // text outside tags, entities still encoded
  bool inTitle = false;
  bool skipping = false;  // inside <style> or <script>
  std::string title;
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] != '<') {
      const std::size_t next = std::min(html.find('<', i), html.size());
      if (inTitle) title += html.substr(i, next - i);
      if (!skipping) raw += html.substr(i, next - i);
      i = next;
      continue;
    }
    if (StartsWithNoCase(html, i, "<!--")) {
      const std::size_t end = html.find("-->", i);
      i = end == std::string_view::npos ? html.size() : end + 3;
      continue;
    }
    const std::size_t end = html.find('>', i);
    if (end == std::string_view::npos) break;
    const std::string_view tag = html.substr(i + 1, end - i - 1);
    i = end + 1;
    if (tag.empty()) continue;
    const std::string name = TagName(tag);
    const bool closing = tag.front() == '/';
    if (name == "title") inTitle = !closing;
    if (name == "style" || name == "script") skipping = !closing;
    if (closing) {
      if (BreaksWords(name)) raw += ' ';
      continue;
    }
    if (name == "meta") {
      ReadMeta(tag, page);
      continue;
    }
    ReadAttributes(tag, name, page);
    if (BreaksWords(name)) raw += ' ';
  }
  page.title = DecodeEntities(title);
  // The body's words: the title's words count as the page's words too.
  page.text = DecodeEntities(raw);
  return page;
}

}  // namespace velmora::help
