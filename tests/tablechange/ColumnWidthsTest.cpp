#include <gtest/gtest.h>

#include "TestTexts.h"
#include "settings/MemorySettingsStore.h"
#include "tablechange/ColumnWidths.h"

namespace velmora::tablechange {
namespace {

TEST(ColumnWidths, ReadFromTheDialog) {
  const text::TextStore& texts = testing_support::Texts('D');
  EXPECT_EQ(ReadColumnWidths("145", " 180,4", texts).widths, (ColumnWidths{145, 180}));
  EXPECT_EQ(ReadColumnWidths("20", "1999,4", texts).widths, (ColumnWidths{20, 1999}));

  const WidthsCheck invalid = ReadColumnWidths("1a", "150", texts);
  ASSERT_EQ(invalid.messages.size(), 1u);
  EXPECT_EQ(invalid.messages[0].text, "Ungültige Eingabe:\n\"Breite der Titelspalte:\"!");
  EXPECT_EQ(invalid.messages[0].focus, "Edit2");
  EXPECT_EQ(ReadColumnWidths("150", "19", texts).messages.at(0).focus, "Edit1");
  EXPECT_EQ(ReadColumnWidths("150", "2000", texts).messages.at(0).focus, "Edit1");
  EXPECT_FALSE(ReadColumnWidths("-150", "150", texts).widths);
}

TEST(ColumnWidths, StandardByEdition) {
  EXPECT_EQ(StandardColumnWidths('E'), (ColumnWidths{150, 150}));
  for (const text::Edition edition : {'D', 'F', 'H'})
    EXPECT_EQ(StandardColumnWidths(edition), (ColumnWidths{145, 150}));
}

TEST(ColumnWidths, StoredUnderTheGeneralSection) {
  settings::MemorySettingsStore store;
  EXPECT_TRUE(StoreColumnWidths(store, {160, 210}));
  EXPECT_EQ(store.Read("Allgemein", "RNormspaltenbreite0"), "160");
  EXPECT_EQ(store.Read("Allgemein", "RNormspaltenbreite1"), "210");
  store.SetFailWrites(true);
  EXPECT_FALSE(StoreColumnWidths(store, {150, 150}));
}

}  // namespace
}  // namespace velmora::tablechange
