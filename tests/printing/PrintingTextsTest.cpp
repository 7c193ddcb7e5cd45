// Every text the page setup, the printed table and the short display ask for, in every edition.
#include <gtest/gtest.h>

#include "TestTexts.h"
#include "printing/PageSetup.h"
#include "printing/ShortDisplayList.h"

namespace velmora::printing {
namespace {

const char* const kPageSetupKeys[] = {
    "Caption",      "GroupBox1",    "GroupBox2", "GroupBox3",  "Label1",    "Label2",   "Label3",    "Label4",
    "Label5",       "Label6",       "Label7",    "Label8",     "Label9",    "Label10",  "CheckBox1", "CheckBox3",
    "RadioButton1", "RadioButton2", "PrintBtn",  "PreviewBtn", "CancelBtn", "JobTitle", "PageOf",    "msgNoRoom"};
const char* const kShortDisplayKeys[] = {"Caption", "wNumber", "wKind",   "wCount",    "wDescription",
                                         "Button1", "Button2", "Button3", "PrintWord", "ProjectLabel"};

class EveryEdition : public testing::TestWithParam<text::Edition> {};

TEST_P(EveryEdition, TextsOfThePageSetupAndTheShortDisplay) {
  const text::TextStore& texts = testing_support::Texts(GetParam());
  for (const char* key : kPageSetupKeys) EXPECT_TRUE(texts.HasFormText(kPageSetupBlock, key)) << key;
  for (const char* key : kShortDisplayKeys) EXPECT_TRUE(texts.HasFormText(kShortDisplayBlock, key)) << key;
  const std::string& pageOf = texts.FormText(kPageSetupBlock, "PageOf");
  EXPECT_NE(pageOf.find("%1"), std::string::npos);
  EXPECT_NE(pageOf.find("%2"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Texts, EveryEdition, testing::ValuesIn(text::kEditions),
                         [](const auto& info) { return std::string(1, info.param); });

}  // namespace
}  // namespace velmora::printing
