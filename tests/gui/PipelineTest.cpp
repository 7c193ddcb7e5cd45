// A pipeline calculated through the real windows: every element kind typed, calculated, copied
// back into the inputs and calculated again.
#include <QLabel>

#include "MainWindowFixture.h"
#include "catalogue/ElementLayout.h"
#include "results/ResultsTable.h"
#include "results/TAusgabe_Fenster.h"
#include "units/Numbers.h"

namespace velmora::gui {
namespace {

struct ElementInputs {
  int group, kind;
  std::vector<QString> dimensions;  // typed into Va1_Edit ..; fewer entries keep the panel defaults
  QString branchFlow = {};
};

// Plausible dimensions for every element kind (mm, m, degrees, %).
const std::vector<ElementInputs>& EveryElement() {
  static const std::vector<ElementInputs> inputs = {
      {1, 1, {"100", "10"}},
      {1, 2, {"200", "100", "10"}},
      {1, 3, {"100", "50", "10"}},
      {1, 4, {}},
      {1, 5, {"100", "5", "20", "10"}},
      {1, 6, {}},
      {2, 1, {"100"}},
      {2, 2, {"100"}},
      {2, 3, {"100", "30"}},
      {2, 4, {"100"}},
      {3, 1, {"50", "100"}},
      {3, 2, {"50", "100", "20"}},
      {3, 3, {"100", "50"}},
      {3, 4, {"100", "50", "30"}},
      {4, 1, {"100", "200", "90"}},
      {4, 2, {"100", "60"}},
      {4, 3, {"100"}},
      {4, 4, {"200", "100", "300", "90"}},
      {4, 5, {"100", "45"}},
      {4, 6, {"200", "100", "45"}},
      {5, 1, {"100", "50"}},
      {5, 2, {"100"}},
      {5, 3, {"100"}},
      {5, 4, {"100"}},
      {5, 5, {"100", "50", "0", "45"}, "4"},
      {5, 6, {"100", "50", "10", "60"}, "2,5"},
      {5, 7, {"100", "45"}},
      {5, 8, {"100", "100"}},
      {6, 1, {"100", "3"}},
      {6, 2, {"100"}},
      {6, 3, {"100", "200"}},
      {7, 1, {"100"}},
      {7, 2, {"100"}},
      {7, 3, {"100"}},
      {7, 4, {"100", "50"}},
      {7, 5, {"100", "30"}},
      {7, 6, {"100", "30"}},
      {8, 1, {"100"}},
      {8, 2, {"100"}},
      {8, 3, {"100"}},
      {9, 1, {"100", "50"}},
      {9, 2, {"100", "50"}},
      {9, 3, {"100", "50", "5"}},
      {9, 4, {"100", "50", "10"}},
      {9, 5, {"100", "50"}},
      {9, 6, {"100", "50"}},
      {9, 7, {"100", "60"}},
      {10, 1, {"100", "40"}},
      {10, 2, {"200", "100", "40"}},
      {10, 3, {"100", "5", "5", "40"}},
      {10, 4, {"200", "100", "5", "5", "40"}},
      {11, 1, {"100", "40"}},
      {11, 2, {"200", "100", "40"}},
      {11, 3, {"100", "40"}},
      {11, 4, {"200", "100", "40"}},
      {11, 5, {"100", "40"}},
      {11, 6, {"200", "100", "40"}},
      {11, 7, {"100"}},
      {11, 8, {"100"}},
      {11, 9, {"100"}},
      {12, 1, {"100", "2,5"}},
      {12, 2, {"200", "100", "1,5"}},
      {13, 1, {"-10"}},
      {13, 2, {"100", "50"}},
      {13, 3, {"200", "100", "100", "50"}},
  };
  return inputs;
}

class Pipeline : public MainWindowFixture {
 protected:
  void Enter(const ElementInputs& element) {
    window->SelectElement(element.group, element.kind);
    const char* edits[] = {"Va1_Edit", "Va2_Edit", "Va3_Edit", "Va4_Edit", "Va5_Edit"};
    for (std::size_t i = 0; i < element.dimensions.size(); ++i) Type(edits[i], element.dimensions[i]);
    if (!element.branchFlow.isEmpty()) Type("Edit3", element.branchFlow);
  }
  const results::ResultsTable& Table() const { return window->ResultsWindow()->Table(); }
};

TEST_F(Pipeline, EveryElementKindCalculatesAndComesBackFromItsColumn) {
  Type("Eingabe_Volumenstrom", "20");
  ASSERT_EQ(EveryElement().size(), catalogue::ElementLayouts().size());
  for (const ElementInputs& element : EveryElement()) {
    SCOPED_TRACE(testing::Message() << element.group << "/" << element.kind);
    Enter(element);
    shown.clear();
    const int before = window->ResultsWindow()->ElementCount();
    ASSERT_TRUE(window->Calculate()) << (shown.empty() ? std::string() : shown.back().text);
    const int column = before + 1;
    ASSERT_EQ(window->ResultsWindow()->ElementCount(), column);

    // Another element with other inputs, then the column copied back and calculated again.
    window->SelectElement(1, 1);
    Type("Va1_Edit", "1");
    Type("Eingabe_Volumenstrom", "1");
    window->ResultsWindow()->SelectColumn(column);
    window->ResultsWindow()->CopyColumnToInputs();
    ASSERT_TRUE(window->Calculate());
    for (int row = 1; row < 26; ++row) {
      const bool branchRow = row == 22 || row == 23;
      if (element.group == 5 && element.kind >= 5 && branchRow) {
        // The branch flow comes back from the displayed, rounded velocities (Q2 = Q/g), so the
        // branch figures may move in their last digit.
        const long double before = *units::ParseNumber(Table().Cell(column, row));
        const long double after = *units::ParseNumber(Table().Cell(column + 1, row));
        EXPECT_NEAR(static_cast<double>(after), static_cast<double>(before),
                    std::abs(static_cast<double>(before)) * 0.005);
        continue;
      }
      EXPECT_EQ(Table().Cell(column + 1, row), Table().Cell(column, row)) << "row " << row;
    }
  }
}

TEST_F(Pipeline, InletPipeBendsValveTeeReducerOrificeAndHeightSumToTheTotal) {
  Type("Eingabe_Volumenstrom", "30");
  const std::vector<ElementInputs> line = {{2, 1, {"100"}},
                                           {1, 1, {"100", "20"}},
                                           {4, 1, {"100", "150", "90"}},
                                           {4, 1, {"100", "150", "90"}},
                                           {7, 4, {"100", "80"}},
                                           {5, 5, {"100", "50", "0", "90"}, "10"},
                                           {3, 4, {"100", "80", "20"}},
                                           {9, 1, {"80", "50"}},
                                           {13, 1, {"5"}}};
  for (const ElementInputs& element : line) {
    Enter(element);
    ASSERT_TRUE(window->Calculate()) << element.group << "/" << element.kind;
  }
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 9);
  long double sum = 0;
  for (int column = 1; column <= 9; ++column) sum += *units::ParseNumber(Table().Cell(column, 24));
  // The geodetic part alone: 998.2 kg/m³ · 9.81 m/s² · 5 m = 489.6 mbar.
  EXPECT_NEAR(static_cast<double>(*units::ParseNumber(Table().Cell(9, 24))), 489.62, 0.01);
  const QString totals = window->ResultsWindow()->findChild<QLabel*>("StatusPanel1")->text();
  EXPECT_TRUE(totals.startsWith(ToQString(units::FormatNumber(sum, 3, 'D')))) << totals.toStdString();
  // The bends give one and the same column apart from their running number.
  for (int row = 1; row < 26; ++row) EXPECT_EQ(Table().Cell(3, row), Table().Cell(4, row)) << row;
}

}  // namespace
}  // namespace velmora::gui
