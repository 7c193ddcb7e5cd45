// Where each catalogue's take-over lands in each window, and which catalogue a column opens.
#include <gtest/gtest.h>

#include "parts/TakeOver.h"

namespace velmora::parts {
namespace {

TEST(TakeOver, TeeIntoTheMainWindowChoosesTheBranchPieceWithItsUnits) {
  mainform::MainForm form;
  form.description = "Saugleitung";
  const PartTakeOver tee{PartKind::Tee, "T-Stücke DIN 2615-1", 5, 6, {"54,5", "28,5", "2,9", "90"}, true};
  const TakeOverWrites writes = WritesFor(tee, TakeOverTarget::MainWindow);
  EXPECT_EQ(writes.element, std::make_pair(5, 6));
  ApplyWrites(writes, form);
  EXPECT_EQ(form.description, "Saugleitung");  // a description already there stays
  EXPECT_EQ(form.dimensions, (std::array<std::string, 5>{"54,5", "28,5", "2,9", "90", "1"}));
  // D1, D2 and R are lengths of the mm list: inches; the angle has its fixed unit.
  EXPECT_EQ(form.dimensionUnits, (std::array<int, 5>{1, 1, 1, 0, 0}));
}

TEST(TakeOver, BendIntoTheMainWindowFillsDiameterRadiusAndAngle) {
  mainform::MainForm form;
  form.description.clear();
  form.dimensionUnits = {1, 1, 1, 1, 1};
  const PartTakeOver bend{PartKind::Bend, "Rohrbogen DIN 2605-1", 4, 1, {"54,5", "76", "90"}, false};
  const TakeOverWrites writes = WritesFor(bend, TakeOverTarget::MainWindow);
  EXPECT_EQ(writes.element, std::make_pair(4, 1));
  ApplyWrites(writes, form);
  EXPECT_EQ(form.description, "Rohrbogen DIN 2605-1");
  EXPECT_EQ(form.dimensions[0], "54,5");
  EXPECT_EQ(form.dimensions[1], "76");
  EXPECT_EQ(form.dimensions[2], "90");
  EXPECT_EQ(form.dimensionUnits, (std::array<int, 5>{0, 0, 1, 1, 1}));  // mm where a length goes
}

TEST(TakeOver, ColumnDialogGetsItsElementLines) {
  const PartTakeOver reducer{PartKind::Reducer, "Reduzierstücke DIN 2616-1", 3, 2, {"43,1", "54,5", "5,1"}, false};
  const TakeOverWrites writes = WritesFor(reducer, TakeOverTarget::ColumnDialog);
  EXPECT_FALSE(writes.element);
  EXPECT_EQ(writes.texts, (std::vector<TextWrite>{{"Edit6", "Reduzierstücke DIN 2616-1", true},
                                                  {"Edit_Element1", "43,1"},
                                                  {"Edit_Element2", "54,5"},
                                                  {"Edit_Element3", "5,1"}}));
  const PartTakeOver pipe{PartKind::Pipe, "Gewinderohr EN 10255 M", 1, 1, {"16,1"}, false};
  EXPECT_EQ(WritesFor(pipe, TakeOverTarget::ColumnDialog).texts,
            (std::vector<TextWrite>{{"Edit6", "Gewinderohr EN 10255 M", false}, {"Edit_Element1", "16,1"}}));
}

TEST(TakeOver, TableDialogTakesPipesAndRectangularPipesOnly) {
  const PartTakeOver rect{PartKind::Rectangle, "EN 10219-2", 1, 2, {"94,0", "44,0"}, true};
  const TakeOverWrites writes = WritesFor(rect, TakeOverTarget::TableDialog);
  EXPECT_EQ(writes.texts, (std::vector<TextWrite>{{"Edit5", "94,0"}, {"Edit6", "44,0"}}));
  EXPECT_EQ(writes.units, (std::vector<UnitWrite>{{"ComboBox3", 1}, {"ComboBox4", 1}}));
  const PartTakeOver bend{PartKind::Bend, "", 4, 1, {"54,5", "76", "90"}, false};
  EXPECT_TRUE(WritesFor(bend, TakeOverTarget::TableDialog).texts.empty());
}

TEST(TakeOver, CatalogueOfAColumnsElement) {
  struct Case {
    int group, kind;
    std::optional<PartKind> part;
    int choice;
  };
  const Case cases[] = {
      {3, 2, PartKind::Reducer, 1},    {3, 4, PartKind::Reducer, 0},    {4, 1, PartKind::Bend, 0},
      {5, 5, PartKind::Tee, 0},        {5, 6, PartKind::Tee, 1},        {1, 2, PartKind::Rectangle, 0},
      {12, 2, PartKind::Rectangle, 0}, {13, 3, PartKind::Rectangle, 0}, {1, 1, PartKind::Pipe, 0},
      {4, 2, PartKind::Pipe, 0},       {9, 1, PartKind::Pipe, 0},       {1, 6, std::nullopt, 0},
      {13, 1, std::nullopt, 0},        {2, 9, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CatalogueFor(c.group, c.kind), c.part) << c.group << "/" << c.kind;
    EXPECT_EQ(ChoiceFor(c.group, c.kind), c.choice) << c.group << "/" << c.kind;
  }
}

}  // namespace
}  // namespace velmora::parts
