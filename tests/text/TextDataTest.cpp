// The generated text files of this build: every text the program shows by number or key exists in
// every edition, and the element names can identify an element on their own.
#include <gtest/gtest.h>

#include <set>

#include "TestTexts.h"

namespace velmora::text {
namespace {

// Global texts with a fixed role (messages, captions, labels of the element panel, words of the
// results table and of stored project texts).
constexpr int kUsedGlobalTexts[] = {6,   8,   13,  22,  34,  36,  41,  48,  49,  50,  51,  53,  56,  61,
                                    63,  65,  69,  70,  71,  72,  73,  74,  75,  77,  81,  82,  88,  89,
                                    90,  99,  104, 108, 109, 114, 117, 118, 121, 122, 123, 124, 130, 140,
                                    142, 143, 149, 150, 152, 153, 177, 183, 184, 186, 187, 188, 190};

// Messages that only appear when something goes wrong or a note is due.
const char* const kMainWindowMessages[] = {"msgNormFlowLiquid",
                                           "msgBranchTooLarge",
                                           "msgInvalidProject",
                                           "msgConvertedProject",
                                           "msgCurveLiquidOnly",
                                           "msgCalculateFirst",
                                           "msgSettingsNotSaved",
                                           "chkAnnulusInner",
                                           "chkAnnulusRatio",
                                           "chkAnnulusEqual",
                                           "chkCorrugatedPitch",
                                           "chkCorrugatedDepth",
                                           "chkCorrugatedLength",
                                           "chkExpansionDiameters",
                                           "chkContractionDiameters",
                                           "chkBendAngleMax",
                                           "chkBendAngleMin",
                                           "chkBendRadius",
                                           "chkBendRadiusRect",
                                           "chkMitreAngle",
                                           "chkCastBendSize",
                                           "chkTrouserAngle",
                                           "chkTrouserRadius",
                                           "chkUBendLength",
                                           "chkGateHeight",
                                           "chkCockAngle",
                                           "chkButterflyAngle",
                                           "chkOrificeBore",
                                           "chkOrificeIsoRange",
                                           "chkNozzleRange",
                                           "chkLongRadiusRange",
                                           "chkVenturiRange",
                                           "chkTableRange",
                                           "info0",
                                           "info1",
                                           "info2",
                                           "info3",
                                           "info4",
                                           "info5",
                                           "info6",
                                           "info7",
                                           "info8"};

const char* const kResultsMessages[] = {"msgLaminarWarning", "msgGasLimitCaption", "msgGasLimit",
                                        "msgNoteCaption",    "msgBoundaryRegion",  "msgRange91",
                                        "msgRange92",        "msgRange93",         "msgRange94"};

class EveryEdition : public testing::TestWithParam<Edition> {};

TEST_P(EveryEdition, GlobalTextsWithARoleAreThere) {
  const TextStore& texts = testing_support::Texts(GetParam());
  for (const int n : kUsedGlobalTexts) EXPECT_FALSE(texts.GlobalText(n).empty()) << "global " << n;
}

TEST_P(EveryEdition, MessagesAreThere) {
  const TextStore& texts = testing_support::Texts(GetParam());
  for (const char* key : kMainWindowMessages) EXPECT_TRUE(texts.HasFormText("MyWindow", key)) << key;
  for (const char* key : kResultsMessages) EXPECT_TRUE(texts.HasFormText("Ausgabe_Fenster", key)) << key;
  EXPECT_TRUE(texts.HasFormText("GaswarnungDlg", "Line1"));
}

TEST_P(EveryEdition, EveryElementHasANameAndAnInformationText) {
  const TextStore& texts = testing_support::Texts(GetParam());
  const int kinds[14] = {0, 6, 4, 4, 6, 8, 3, 6, 3, 7, 4, 9, 2, 3};
  std::set<std::string> names;
  int count = 0;
  for (int g = 1; g <= 13; ++g) {
    EXPECT_FALSE(texts.GroupName(g).empty()) << g;
    for (int k = 1; k <= kinds[g]; ++k) {
      const std::string& name = texts.KindName(g, k);
      EXPECT_FALSE(name.empty()) << g << "/" << k;
      EXPECT_EQ(name.find('/'), std::string::npos) << name;  // the results table splits at "/"
      names.insert(name);
      ++count;
      EXPECT_TRUE(texts.HasFormText("MyWindow", "info" + std::to_string(g * 9 + k))) << g << "/" << k;
    }
    for (int k = kinds[g] + 1; k <= 9; ++k) EXPECT_TRUE(texts.KindName(g, k).empty()) << g << "/" << k;
  }
  EXPECT_EQ(count, 65);
  EXPECT_EQ(names.size(), 65u) << "a kind name must identify its element";
}

INSTANTIATE_TEST_SUITE_P(Texts, EveryEdition, testing::ValuesIn(kEditions),
                         [](const auto& info) { return std::string(1, info.param); });

TEST(ElementNames, OlderProjectFilesFindTheirElements) {
  EXPECT_EQ(testing_support::Texts('D').KindName(1, 1), "Kreisrohr");
  EXPECT_EQ(testing_support::Texts('D').KindName(1, 2), "Rechteckrohr");
  EXPECT_EQ(testing_support::Texts('D').KindName(12, 1), "Zeta-Wert Kreisrohr");
  EXPECT_EQ(testing_support::Texts('E').KindName(12, 1), "Resistance coefficient circular");
  EXPECT_EQ(testing_support::Texts('E').KindName(9, 1), "Orifice ISO 5167");
  EXPECT_EQ(testing_support::Texts('F').KindName(9, 1), "Gicleur normalisé (ISO 5167)");
}

TEST(StoredWords, GermanPhaseWordsAreTheStoredForms) {
  EXPECT_EQ(testing_support::Texts('D').GlobalText(53), "flü.");
  EXPECT_EQ(testing_support::Texts('D').GlobalText(63), "gasf.");
}

TEST(Vocabulary, EntriesCarryAllFourLanguages) {
  const auto& lines = testing_support::Texts('D').VocabularyLines();
  EXPECT_GT(lines.size(), 10u);
}

}  // namespace
}  // namespace velmora::text
