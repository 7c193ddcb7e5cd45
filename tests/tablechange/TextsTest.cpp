// Every text the table-change windows read stands in every edition.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "TestTexts.h"
#include "tablechange/DialogTexts.h"

namespace velmora::tablechange {
namespace {

// Each block with its keys, separated by blanks.
const std::pair<std::string_view, const char*> kBlocks[] = {
    {kColumnBlock,
     "Caption Label1 Label2 PhaseLiquid PhaseGas Radio_Fluessig Radio_Gas ComboBox7_0 ComboBox7_1 Label5 ComboBox8_0 "
     "ComboBox8_1 BitBtn1 Label6 Label11 Label_Gase Label_Eingangsdruck Label_Eingangstemperatur "
     "Label_Ausgangstemperatur BitBtnRohr BitBtnZeta BitBtnRau BitBtn2 BitBtn3 msgRecalculated"},
    {kTableBlock,
     "Caption RadioGroup1 RadioGroup1_0 RadioGroup1_1 Label1 Label2 Label3 Label4 Label5 Label6 CheckBox2 CheckBox3 "
     "CheckBox4 SumMedium SumFlow SumDensity SumViscosity GroupBox1 BitBtnRohr1 BitBtnRohr2 BitBtn1 BitBtn2 msgDone "
     "msgNothingTouched msgFailed msgNoteColumns msgUnknownElement msgNotRecalculable"},
    {kWidthBlock, "Caption Label1 Label2 LabelUnit BitBtn1 BitBtn2 CancelBtn"},
};

TEST(TableChangeTexts, EveryKeyInEveryEdition) {
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    for (const auto& [block, keys] : kBlocks) {
      std::istringstream words(keys);
      for (std::string key; words >> key;) {
        ASSERT_TRUE(texts.HasFormText(block, key)) << edition << " " << block << " " << key;
        EXPECT_FALSE(texts.FormText(block, key).empty()) << edition << " " << block << " " << key;
      }
    }
    // The column numbers go where %1 stands.
    for (const char* key : {"msgFailed", "msgNoteColumns"}) {
      EXPECT_NE(texts.FormText(kTableBlock, key).find("%1"), std::string::npos) << edition << " " << key;
    }
  }
}

}  // namespace
}  // namespace velmora::tablechange
