#include <gtest/gtest.h>

#include "TestTexts.h"
#include "results/Notes.h"

namespace velmora::results {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

TEST(CalculationNotes, NoneForAPlainCalculation) { EXPECT_TRUE(CalculationNotes({}, 1, 1, German()).empty()); }

TEST(CalculationNotes, RangeNoteOfEachThrottlingDevice) {
  hydraulics::ElementOutcome outcome;
  outcome.RangeNote = true;
  for (int kind = 1; kind <= 4; ++kind) {
    const text::Messages notes = CalculationNotes(outcome, 9, kind, German());
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].caption, "Hinweis");
    EXPECT_EQ(notes[0].icon, text::MessageIcon::Information);
    EXPECT_EQ(notes[0].text, German().FormText("Ausgabe_Fenster", "msgRange9" + std::to_string(kind)));
  }
  EXPECT_EQ(CalculationNotes(outcome, 9, 2, German())[0].text.rfind("Das Widerstandsgesetz der scharfkantigen", 0), 0u);
}

TEST(CalculationNotes, LaminarWarningThenGasLimit) {
  hydraulics::ElementOutcome outcome;
  outcome.LaminarWarning = true;
  outcome.GasLimit = true;
  const text::Messages notes = CalculationNotes(outcome, 4, 2, German());
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].icon, text::MessageIcon::None);
  EXPECT_EQ(notes[0].text.rfind("Die Strömung ist laminar.", 0), 0u);
  EXPECT_EQ(notes[1].caption, "Gasberechnung nicht möglich");
  EXPECT_EQ(notes[1].icon, text::MessageIcon::Error);
}

}  // namespace
}  // namespace velmora::results
