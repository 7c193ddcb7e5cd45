// The manual as the build writes it, in every language: every page the program opens exists, no
// link leads nowhere, the contents hold every page, and the German and English manuals are
// complete in their own language.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestTexts.h"
#include "catalogue/ElementLayout.h"
#include "help/HelpBook.h"
#include "help/HelpTopics.h"
#include "text/GlobalTexts.h"

namespace velmora::help {
namespace {

namespace fs = std::filesystem;

const HelpBook& Manual(text::Edition edition) {
  static std::map<text::Edition, HelpBook> books;
  auto found = books.find(edition);
  if (found == books.end()) {
    found = books
                .emplace(edition,
                         HelpBook::Load(fs::path(VELMORA_TEST_HELP_DIR) / std::string(text::LanguageCode(edition))))
                .first;
  }
  return found->second;
}

class EveryLanguage : public testing::TestWithParam<text::Edition> {};

TEST_P(EveryLanguage, EveryPageTheProgramOpensExists) {
  const HelpBook& book = Manual(GetParam());
  const std::string start = testing_support::Texts(GetParam()).GlobalText(text::global::kHelpStartPage);
  EXPECT_EQ(start, topic::kStart) << "global text 71 names the start page";
  for (const char* page : Topics()) EXPECT_TRUE(book.Resolves(page)) << page;
  for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
    EXPECT_TRUE(book.Resolves(ElementTopic(layout.group, layout.kind))) << ElementTopic(layout.group, layout.kind);
  }
}

TEST_P(EveryLanguage, NoLinkLeadsNowhere) {
  const HelpBook& book = Manual(GetParam());
  ASSERT_GT(book.Pages().size(), 20u);
  for (const DeadLink& dead : book.DeadLinks()) ADD_FAILURE() << dead.page << ": " << dead.link;
}

TEST_P(EveryLanguage, TheContentsHoldEveryPageWithItsTitle) {
  const HelpBook& book = Manual(GetParam());
  std::size_t listed = 1;  // the start page heads the contents
  for (const ContentsLine& line : book.Contents(topic::kStart)) {
    EXPECT_FALSE(line.page->title.empty()) << line.page->id;
    EXPECT_TRUE(line.page->parent.empty() || book.Find(line.page->parent) != nullptr) << line.page->id;
    ++listed;
  }
  EXPECT_EQ(listed, book.Pages().size());
}

INSTANTIATE_TEST_SUITE_P(Help, EveryLanguage, testing::ValuesIn(text::kEditions),
                         [](const auto& info) { return std::string(1, info.param); });

// German and English are complete: every page of either is written in its own language. French and
// Dutch have the element and calculator chapters and the parts chapter's main page (the rest shows in English).
TEST(Manual, GermanAndEnglishAreCompleteFrenchAndDutchHaveElementsAndCalculators) {
  const fs::path sources = fs::path(VELMORA_SOURCE_DIR) / "data" / "help";
  for (const HelpPage& page : Manual('E').Pages()) {
    const bool generated = page.id.starts_with("elements");  // written from elements.tsv
    for (const char* language : {"de", "en", "fr", "nl"}) {
      const bool required = std::string_view(language) == "de" || std::string_view(language) == "en" ||
                            page.id.starts_with("calc") || page.id == "laws.html" || page.id == "parts.html" ||
                            page.id == topic::kStart;
      if (generated || !required) continue;
      EXPECT_TRUE(fs::exists(sources / language / page.id)) << language << "/" << page.id;
    }
  }
  for (const char* language : {"de", "en", "fr", "nl"}) EXPECT_TRUE(fs::exists(sources / language / "elements.tsv"));
}

}  // namespace
}  // namespace velmora::help
