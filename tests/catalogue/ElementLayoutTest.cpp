#include "catalogue/ElementLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace velmora::catalogue {
namespace {

TEST(ElementLayouts, SixtyFiveElementsWithUniqueButtons) {
  EXPECT_EQ(ElementLayouts().size(), 65u);
  std::set<std::string_view> buttons;
  std::set<std::pair<int, int>> elements;
  for (const ElementLayout& layout : ElementLayouts()) {
    buttons.insert(layout.button);
    elements.insert({layout.group, layout.kind});
    EXPECT_GT(layout.picture, 0);
    EXPECT_TRUE(layout.UsesSlot(0)) << layout.button;
  }
  EXPECT_EQ(buttons.size(), 65u);
  EXPECT_EQ(elements.size(), 65u);
}

TEST(ElementLayouts, GroupSizes) {
  const int expected[14] = {0, 6, 4, 4, 6, 8, 3, 6, 3, 7, 4, 9, 2, 3};
  int counted[14] = {};
  for (const ElementLayout& layout : ElementLayouts()) ++counted[layout.group];
  for (int g = 1; g <= 13; ++g) EXPECT_EQ(counted[g], expected[g]) << "group " << g;
}

TEST(ElementLayouts, KnownRows) {
  const ElementLayout* bend = FindLayout(4, 1);
  ASSERT_NE(bend, nullptr);
  EXPECT_EQ(bend->button, "SB14");
  EXPECT_EQ(bend->picture, 2101);
  EXPECT_TRUE(bend->roughness);
  EXPECT_EQ(bend->slotLayouts[1].unit, SlotUnit::MmList);
  EXPECT_EQ(DefaultText(bend->slotLayouts[1], 'D'), "100");
  EXPECT_EQ(bend->slotLayouts[2].unit, SlotUnit::Degree);
  EXPECT_EQ(DefaultText(bend->slotLayouts[2], 'D'), "90");

  const ElementLayout* pipe = FindLayout(1, 1);
  EXPECT_EQ(pipe->slotLayouts[0].fill, SlotDefault::Keep);
  EXPECT_EQ(DefaultText(pipe->slotLayouts[1], 'D'), "1,0");
  EXPECT_EQ(DefaultText(pipe->slotLayouts[1], 'E'), "1.0");
  EXPECT_EQ(pipe->slotLayouts[1].unit, SlotUnit::MList);

  const ElementLayout* longRadius = FindLayout(9, 6);
  EXPECT_EQ(longRadius->button, "SB44B");
  EXPECT_EQ(longRadius->picture, 26051);

  const ElementLayout* venturi = FindLayout(9, 7);
  EXPECT_EQ(venturi->extra, ElementExtra::Choice);
  EXPECT_EQ(venturi->options[1].prefix, "15 ");

  EXPECT_EQ(FindLayout(5, 5)->extra, ElementExtra::BranchFlow);
  EXPECT_EQ(FindLayout(12, 1)->picture, FindLayout(12, 2)->picture);
  EXPECT_EQ(FindLayout(13, 3)->slotLayouts[2].fill, SlotDefault::CopySlot1);
  EXPECT_EQ(FindLayout(1, 6)->slotLayouts[0].unit, SlotUnit::AreaList);
  EXPECT_EQ(FindLayout(1, 7), nullptr);
  EXPECT_EQ(FindLayout(14, 1), nullptr);
}

TEST(ElementLayouts, FreeAreaPercentageSlots) {
  const struct {
    int group, kind, slot;
  } cases[] = {{10, 1, 1}, {10, 2, 2}, {10, 3, 3}, {10, 4, 4}, {11, 1, 1}, {11, 2, 2}, {11, 6, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(FindLayout(c.group, c.kind)->slotLayouts[static_cast<std::size_t>(c.slot)].unit, SlotUnit::Percent)
        << c.group << "/" << c.kind;
  }
}

}  // namespace
}  // namespace velmora::catalogue
