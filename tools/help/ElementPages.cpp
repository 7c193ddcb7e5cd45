#include "ElementPages.h"

#include <cstdio>
#include <stdexcept>

#include "SourceTable.h"
#include "catalogue/ElementLayout.h"

namespace velmora::tools {
namespace {

std::string Key(int group, int kind, const std::string& field) {
  return std::to_string(group) + "/" + std::to_string(kind) + "/" + field;
}

std::string LetterOf(const std::string& language) {
  if (language == "de") return "D";
  if (language == "en") return "E";
  if (language == "fr") return "F";
  if (language == "nl") return "H";
  throw std::runtime_error("unknown language " + language);
}

// Plain text as HTML: the special characters escaped, line breaks kept.
std::string Escape(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\n': out += "<br>"; break;
      default: out += c;
    }
  }
  return out;
}

std::string GroupPage(int group) {
  char name[32];
  std::snprintf(name, sizeof name, "elements-%02d.html", group);
  return name;
}

std::string Head(const std::string& language, const std::string& title, const std::string& parent, int order) {
  return "<!DOCTYPE html>\n<html lang=\"" + language + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
         "</title>\n" + (parent.empty() ? "" : "<meta name=\"velmora-parent\" content=\"" + parent + "\">\n") +
         "<meta name=\"velmora-order\" content=\"" + std::to_string(order) +
         "\">\n<link rel=\"stylesheet\" href=\"help.css\">\n</head>\n<body>\n";
}

const std::string& Name(const ElementSources& sources, int group, int kind) {
  const auto found = sources.names.find({group, kind});
  if (found == sources.names.end()) {
    throw std::runtime_error("no name of element " + std::to_string(group) + "/" + std::to_string(kind));
  }
  return found->second;
}

std::string Word(const ElementSources& sources, const std::string& key) { return Field(sources, 0, 0, key); }

std::string Overview(const ElementSources& sources, const std::string& language) {
  std::string page = Head(language, Word(sources, "title"), "index.html", 30);
  page += "<h1>" + Word(sources, "title") + "</h1>\n" + Word(sources, "intro") + "\n";
  for (int group = 1; group <= 13; ++group) {
    page += "<h2 id=\"group-" + std::to_string(group) + "\"><a href=\"" + GroupPage(group) + "\">" +
            std::to_string(group) + " " + Escape(Name(sources, group, 0)) + "</a></h2>\n<ul>\n";
    for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
      if (layout.group != group) continue;
      page += "<li><a href=\"" + GroupPage(group) + "#kind-" + std::to_string(layout.kind) + "\">" +
              std::to_string(group) + "/" + std::to_string(layout.kind) + " " +
              Escape(Name(sources, group, layout.kind)) + "</a></li>\n";
    }
    page += "</ul>\n";
  }
  return page + "</body>\n</html>\n";
}

std::string KindSection(const ElementSources& sources, const catalogue::ElementLayout& layout) {
  const int group = layout.group;
  const int kind = layout.kind;
  std::string section = "<h2 id=\"kind-" + std::to_string(kind) + "\">" + std::to_string(group) + "/" +
                        std::to_string(kind) + " " + Escape(Name(sources, group, kind)) + "</h2>\n";
  section += "<table class=\"element\"><tr><td><img src=\"pictures/" + std::to_string(layout.picture) +
             ".png\" width=\"240\" height=\"160\" alt=\"" + Escape(Name(sources, group, kind)) + "\"></td><td>";
  const auto note = sources.notes.find(group * 9 + kind);
  if (note != sources.notes.end()) section += Escape(note->second);
  section += "</td></tr></table>\n<table class=\"law\">\n";
  for (const char* field : {"laminar", "turbulent", "source", "range"}) {
    section += "<tr><th>" + Word(sources, field) + "</th><td>" + Field(sources, group, kind, field) + "</td></tr>\n";
  }
  return section + "</table>\n";
}

std::string Group(const ElementSources& sources, const std::string& language, int group) {
  const std::string title = std::to_string(group) + " " + Escape(Name(sources, group, 0));
  std::string page = Head(language, title, "elements.html", group);
  page += "<p class=\"nav\"><a href=\"elements.html\">" + Word(sources, "title") + "</a> · <a href=\"laws.html\">" +
          Word(sources, "laws") + "</a></p>\n<h1>" + title + "</h1>\n" + Field(sources, group, 0, "intro") + "\n";
  for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
    if (layout.group == group) page += KindSection(sources, layout);
  }
  return page + "</body>\n</html>\n";
}

}  // namespace

const std::string& Field(const ElementSources& sources, int group, int kind, const std::string& field) {
  const auto found = sources.fields.find(Key(group, kind, field));
  if (found == sources.fields.end()) throw std::runtime_error("elements.tsv: no " + Key(group, kind, field));
  return found->second;
}

ElementSources ReadElementSources(const std::filesystem::path& helpFolder, const std::filesystem::path& textsFolder,
                                  const std::string& language) {
  ElementSources sources;
  const SourceTable laws = ReadSourceTable(helpFolder / language / "elements.tsv");
  for (const auto& row : laws.rows) {
    sources.fields[row[laws.Column("group")] + "/" + row[laws.Column("kind")] + "/" + row[laws.Column("field")]] =
        row[laws.Column("text")];
  }
  const std::string letter = LetterOf(language);
  const SourceTable names = ReadSourceTable(textsFolder / "elements.tsv");
  for (const auto& row : names.rows) {
    sources.names[{std::stoi(row[names.Column("group")]), std::stoi(row[names.Column("kind")])}] =
        row[names.Column(letter)];
  }
  const SourceTable window = ReadSourceTable(textsFolder / "forms" / "MyWindow.tsv");
  for (const auto& row : window.rows) {
    const std::string& key = row[window.Column("key")];
    if (key.size() > 4 && key.compare(0, 4, "info") == 0 &&
        key.find_first_not_of("0123456789", 4) == std::string::npos) {
      sources.notes[std::stoi(key.substr(4))] = row[window.Column(letter)];
    }
  }
  return sources;
}

std::vector<std::pair<std::string, std::string>> ElementPages(const ElementSources& sources,
                                                              const std::string& language) {
  std::vector<std::pair<std::string, std::string>> pages;
  pages.emplace_back("elements.html", Overview(sources, language));
  for (int group = 1; group <= 13; ++group) pages.emplace_back(GroupPage(group), Group(sources, language, group));
  return pages;
}

}  // namespace velmora::tools
