// The table dialog driven through its controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "TestTexts.h"
#include "tablechange/Pipelines.h"
#include "tablechange/TTabelleAendern.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

using tablechange::testing::Air;
using tablechange::testing::Water;

class TableDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      shown.push_back(message);
      return MessageAnswer::Ok;
    });
  }
  void TearDown() override {
    dialog.reset();
    SetMessageInterceptor({});
  }
  void Open(std::vector<mainform::MainForm> forms, mainform::MainForm window = Water(1, 1, {})) {
    table = tablechange::testing::Table(forms);
    dialog = std::make_unique<TTabelleAendern>(testing_support::Texts('D'), table);
    dialog->SetInputsSource([window] { return window; });
    dialog->Present();
    dialog->show();
  }
  static std::string Text(const char* key) { return testing_support::Texts('D').FormText("TabelleAendern", key); }
  template <typename T>
  T* Find(const char* name) const {
    T* widget = dialog->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Recalculate() { Find<QPushButton>("BitBtn1")->click(); }

  results::ResultsTable table;
  std::unique_ptr<TTabelleAendern> dialog;
  std::vector<text::Message> shown;
};

TEST_F(TableDialog, NewDiameterAndMedium) {
  mainform::MainForm window = Water(1, 1, {});
  window.medium = "Sole";
  window.flow = "72";
  Open({Water(1, 1, {"100", "10"}), Water(1, 2, {"200", "100", "10"}), Water(4, 1, {"100", "150", "90"})}, window);
  EXPECT_EQ(Find<QSpinBox>("Edit2")->maximum(), 3);
  EXPECT_EQ(Find<QSpinBox>("Edit2")->value(), 3);
  EXPECT_FALSE(Find<QSpinBox>("Edit1")->isEnabled());  // the whole table is chosen
  EXPECT_TRUE(Find<QLabel>("LabelMedium")->text().contains("Sole"));
  EXPECT_TRUE(Find<QLabel>("LabelMedium")->text().contains("72 m³/h"));

  Recalculate();  // nothing ticked: nothing happens
  EXPECT_TRUE(shown.empty());

  QSignalSpy recalculated(dialog.get(), &TTabelleAendern::TableRecalculated);
  Find<QCheckBox>("CheckBox2")->setChecked(true);
  Find<QCheckBox>("CheckBox3")->setChecked(true);
  Find<QLineEdit>("Edit4")->setText("50");
  Recalculate();
  // 72 m³/h through 50 mm: 10,186 m/s; through 200 × 100 mm: 1,000 m/s.
  EXPECT_EQ(table.Cell(1, 14), "10,186");
  EXPECT_EQ(table.Cell(2, 14), "1,000");
  EXPECT_EQ(table.Cell(3, 14), "10,186");
  EXPECT_EQ(table.Cell(2, 1), "Sole/flü.");
  EXPECT_EQ(recalculated.count(), 1);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().text, Text("msgDone"));
  EXPECT_EQ(shown.back().icon, text::MessageIcon::Information);
}

TEST_F(TableDialog, FailureNamesTheColumnAndChangesNothing) {
  std::vector<mainform::MainForm> forms;
  for (int c = 1; c <= 9; ++c) {
    mainform::MainForm pipe = Air(1, 1, {"100", c == 7 ? "100" : "1"});
    pipe.flow = "100";
    forms.push_back(pipe);
  }
  Open(forms);
  const results::ResultsTable before = table;
  QSignalSpy recalculated(dialog.get(), &TTabelleAendern::TableRecalculated);
  // No rectangular duct among the pipes: nothing to do, and the dialog says so.
  Find<QCheckBox>("CheckBox4")->setChecked(true);
  Find<QLineEdit>("Edit5")->setText("100");
  Find<QLineEdit>("Edit6")->setText("100");
  Recalculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, Text("msgNothingTouched"));
  EXPECT_EQ(recalculated.count(), 0);
  shown.clear();

  Find<QCheckBox>("CheckBox4")->setChecked(false);
  Find<QCheckBox>("CheckBox3")->setChecked(true);
  Find<QLineEdit>("Edit4")->setText("25");
  Recalculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Die Tabelle bleibt unverändert: Spalte 7 konnte nicht neu berechnet werden.\n\n" +
                               testing_support::Texts('D').FormText("Ausgabe_Fenster", "msgGasLimit"));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Error);
  EXPECT_EQ(recalculated.count(), 0);
  for (int c = 1; c <= 9; ++c) EXPECT_EQ(table.Column(c), before.Column(c)) << c;

  // The range 1 … 6 does not reach the long pipe.
  Find<QRadioButton>("RadioGroup1_1")->setChecked(true);
  EXPECT_TRUE(Find<QSpinBox>("Edit1")->isEnabled());
  Find<QSpinBox>("Edit2")->setValue(6);
  Recalculate();
  EXPECT_EQ(recalculated.count(), 1);
  for (int c = 1; c <= 6; ++c) EXPECT_EQ(table.Cell(c, 14), "56,588") << c;
  for (int c = 7; c <= 9; ++c) EXPECT_EQ(table.Column(c), before.Column(c)) << c;
}

TEST_F(TableDialog, InvalidInputs) {
  mainform::MainForm window = Water(1, 1, {});
  Open({Water(1, 2, {"200", "100", "10"})}, window);
  Find<QCheckBox>("CheckBox4")->setChecked(true);
  Find<QLineEdit>("Edit5")->setText("100");
  Find<QLineEdit>("Edit6")->setText("");  // reads 0: no height
  Recalculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].focus, "Edit6");
  EXPECT_TRUE(dialog->isVisible());

  // A main window whose flow does not read closes the dialog.
  window.flow = "viel";
  dialog->SetInputsSource([window] { return window; });
  Find<QLineEdit>("Edit6")->setText("50");
  Recalculate();
  EXPECT_EQ(shown.back().text, "Ungültige Eingabe:\n\"Vol.strom:\"!");
  EXPECT_EQ(shown.back().focus, "Eingabe_Volumenstrom");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(table.Cell(1, 14), "0,500");
}

}  // namespace
}  // namespace velmora::gui
