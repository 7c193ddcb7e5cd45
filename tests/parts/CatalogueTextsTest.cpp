// The texts of the catalogue windows: every key they show is there in every edition, and every
// table a file holds has its standard's name.
#include <gtest/gtest.h>

#include "TestTexts.h"
#include "parts/PipeCatalogue.h"

namespace velmora::parts {
namespace {

struct Block {
  const char* name;
  std::vector<const char*> keys;
};

const std::vector<const char*> kCommon = {"Caption",        "DINSheet",       "ANSISheet",
                                          "LabelStandards", "BitBtn1",        "NotAvailable",
                                          "msgMissingFile", "msgDamagedFile", "RadioGroup"};

const Block kBlocks[] = {
    {"InfoRohr",
     {"DivSheet", "Material0", "Material1", "Material2", "HeadingOuter", "HeadingWall", "HeadingNps", "HeadingSchedule",
      "LabelOuter", "LabelWall", "LabelInner", "LabelMass", "OKBtn", "SpeedButton7", "Info"}},
    {"InfoRohrRechte",
     {"Shape0", "Shape1", "HeadingWall", "LabelWidth", "LabelHeight", "LabelMass", "OKBtn", "Norm1", "Norm2", "Norm3",
      "Norm4", "ANorm1"}},
    {"InfoBoegen",
     {"Shape0", "Shape1", "Shape2", "HeadingNps", "HeadingSeries", "HeadingType", "HeadingWall", "LabelOuter",
      "LabelWall", "LabelInner", "LabelRadius", "LabelMass", "OKBtn", "Norm1", "ANorm1", "ANorm2"}},
    {"InfoReduz",
     {"Choice0", "Choice1", "GroupFirst", "GroupSecond", "HeadingFirst", "HeadingSecond", "HeadingFirstNps",
      "HeadingSecondNps", "HeadingSeries", "HeadingWall", "LabelOuter", "LabelWall", "LabelInner", "LabelAngle",
      "BitBtn2", "Norm1", "ANorm1"}},
    {"InfoTStue",
     {"Choice0", "Choice1", "GroupFirst", "GroupSecond", "HeadingFirst", "HeadingSecond", "HeadingFirstNps",
      "HeadingSecondNps", "HeadingSeries", "HeadingWall", "LabelOuter", "LabelWall", "LabelInner", "LabelRadius",
      "BitBtn2", "Norm1", "ANorm1"}},
};

TEST(CatalogueTexts, EveryKeyInEveryEdition) {
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    for (const Block& block : kBlocks) {
      for (const auto* keys : {&kCommon, &block.keys}) {
        for (const char* key : *keys)
          EXPECT_TRUE(texts.HasFormText(block.name, key)) << edition << " " << block.name << "/" << key;
      }
    }
    for (const int global : {16, 18, 31, 80, 97, 98, 99, 115, 149, 75}) {
      EXPECT_FALSE(texts.GlobalText(global).empty()) << edition << " " << global;
    }
  }
}

TEST(CatalogueTexts, EveryShippedPipeTableHasItsName) {
  const char* const prefixes[] = {"Norm", "ANorm", "ONorm"};
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    for (std::size_t s = 0; s < std::size(kPipeSheets); ++s) {
      const CatalogueFile file = LoadCatalogueFile(VELMORA_TEST_PROGRAM_DIR, PipeFileName(kPipeSheets[s]), false);
      for (const PipeTable& table : PipeTables(kPipeSheets[s])) {
        if (!PipeStandard(table, file).Available()) continue;
        EXPECT_TRUE(texts.HasFormText("InfoRohr", prefixes[s] + std::to_string(table.number)))
            << edition << " " << PipeFileName(kPipeSheets[s]) << " " << table.number;
      }
    }
  }
}

}  // namespace
}  // namespace velmora::parts
