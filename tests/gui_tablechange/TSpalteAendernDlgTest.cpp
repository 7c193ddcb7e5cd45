// The column dialog driven through its controls; every message box recorded instead of shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "TestTexts.h"
#include "tablechange/Pipelines.h"
#include "tablechange/TSpalteAendernDlg.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

using tablechange::testing::Air;
using tablechange::testing::Water;

class ColumnDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      shown.push_back(message);
      return MessageAnswer::Ok;
    });
    table = tablechange::testing::Table(
        {Water(1, 1, {"100", "10"}), Air(1, 2, {"200", "100", "10"}), Water(3, 1, {"50", "100"})});
    dialog = std::make_unique<TSpalteAendernDlg>(texts(), table);
    dialog->show();
  }
  void TearDown() override {
    dialog.reset();
    SetMessageInterceptor({});
  }
  static const text::TextStore& texts() { return testing_support::Texts('D'); }
  static std::string Text(const char* key) { return texts().FormText("SpalteAendernDlg", key); }

  template <typename T>
  T* Find(const char* name) const {
    T* widget = dialog->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Label(const char* name) const { return Find<QLabel>(name)->text(); }
  void Type(const char* edit, const QString& text) { Find<QLineEdit>(edit)->setText(text); }
  void Recalculate() { Find<QPushButton>("BitBtn2")->click(); }

  results::ResultsTable table;
  std::unique_ptr<TSpalteAendernDlg> dialog;
  std::vector<text::Message> shown;
};

TEST_F(ColumnDialog, LoadsTheColumnAndFollowsTheSelector) {
  dialog->Present(2);
  EXPECT_EQ(Find<QSpinBox>("Edit1")->maximum(), 3);
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "Luft");
  EXPECT_TRUE(Find<QRadioButton>("Radio_Gas")->isChecked());
  EXPECT_TRUE(Find<QWidget>("Panel_Gas")->isVisible());
  EXPECT_EQ(Label("Label3").toStdString(), Text("PhaseGas"));
  EXPECT_EQ(Find<QLineEdit>("Edit_Eingangsdruck")->text(), "1");
  EXPECT_EQ(Label("Label12"), "Rohrleitungselement: Rechteckrohr");
  EXPECT_EQ(Find<QLineEdit>("Edit_Element2")->text(), "100,000");
  EXPECT_TRUE(Find<QLineEdit>("Edit_Element3")->isVisible());
  EXPECT_FALSE(Find<QLineEdit>("Edit_Element4")->isVisible());
  EXPECT_EQ(Label("Label14").toStdString(), table.Cell(2, 24));

  Find<QSpinBox>("Edit1")->setValue(3);  // "Berechnungsnr." reloads
  EXPECT_EQ(Label("Label12"), "Rohrleitungselement: Sprungartige Rohrerweiterung");
  EXPECT_TRUE(Find<QRadioButton>("Radio_Fluessig")->isChecked());
  EXPECT_FALSE(Find<QWidget>("Panel_Gas")->isVisible());
  EXPECT_FALSE(Find<QLineEdit>("Edit_Rauhigkeit")->isVisible());  // no roughness row
  EXPECT_FALSE(Find<QPushButton>("BitBtnRau")->isVisible());
  EXPECT_FALSE(Find<QPushButton>("BitBtnRohr")->isEnabled());  // the catalogues come later
}

TEST_F(ColumnDialog, ControlsClearResultsAndRebuildUnits) {
  dialog->Present(1);
  ASSERT_FALSE(Label("Label14").isEmpty());
  Type("Edit6", "Zulauf");
  EXPECT_TRUE(Label("Label14").isEmpty());
  EXPECT_TRUE(Label("Label16").isEmpty());

  auto* flowKind = Find<QComboBox>("ComboBox7");
  auto* flowUnit = Find<QComboBox>("ComboBox4");
  flowUnit->setCurrentIndex(7);
  flowKind->setCurrentIndex(1);
  EXPECT_EQ(flowUnit->count(), 8);
  EXPECT_EQ(flowUnit->currentText(), "kg/h");
  flowKind->setCurrentIndex(0);
  EXPECT_EQ(flowUnit->count(), 16);
  auto* viscosityUnit = Find<QComboBox>("ComboBox6");
  Find<QComboBox>("ComboBox8")->setCurrentIndex(1);
  EXPECT_EQ(viscosityUnit->count(), 6);
  EXPECT_EQ(viscosityUnit->currentText(), "10-6 m²/s");

  // Gas widens the dialog by its gas data, liquid narrows it again.
  QApplication::processEvents();
  const int liquidWidth = dialog->sizeHint().width();
  Find<QRadioButton>("Radio_Gas")->click();
  QApplication::processEvents();
  EXPECT_TRUE(Find<QWidget>("Panel_Gas")->isVisible());
  EXPECT_GT(dialog->sizeHint().width(), liquidWidth);
  Find<QRadioButton>("Radio_Fluessig")->click();
  QApplication::processEvents();
  EXPECT_EQ(dialog->sizeHint().width(), liquidWidth);
}

TEST_F(ColumnDialog, TakesOverTheMainWindowsMedium) {
  mainform::MainForm window = Water(1, 1, {});
  window.medium = "Sole";
  window.flowKind = 1;
  window.flow = "5000";
  window.flowUnit = 0;  // kg/h
  window.viscosityKind = 1;
  window.viscosity = "4";
  window.viscosityUnit = 2;  // mm²/s
  dialog->SetInputsSource([window] { return window; });
  dialog->Present(1);
  Find<QPushButton>("BitBtn1")->click();
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "Sole");
  EXPECT_EQ(Find<QComboBox>("ComboBox4")->currentText(), "kg/h");
  EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), "5000");
  EXPECT_EQ(Find<QComboBox>("ComboBox6")->currentText(), "mm²/s");
  EXPECT_EQ(Find<QLineEdit>("Edit5")->text(), "4");
}

// The gas duct of 200 × 100 mm made 100 × 100 mm: 36 m³/h run at 1,000 m/s instead of 0,500.
TEST_F(ColumnDialog, RecalculatesInPlace) {
  QSignalSpy recalculated(dialog.get(), &TSpalteAendernDlg::ColumnRecalculated);
  const results::ResultsTable before = table;
  dialog->Present(2);
  Type("Edit_Element1", "100");
  Type("Edit6", "Abluft");
  Recalculate();
  EXPECT_EQ(table.Cell(2, 14), "1,000");
  EXPECT_EQ(table.Cell(2, 6), "Abluft");
  EXPECT_TRUE(table.Column(2).gas.has_value());
  EXPECT_EQ(table.Column(1), before.Column(1));
  EXPECT_EQ(table.Column(3), before.Column(3));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, Text("msgRecalculated") + " 2");
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Information);
  EXPECT_EQ(Label("Label14").toStdString(), table.Cell(2, 24));  // the new loss
  EXPECT_EQ(recalculated.count(), 1);
}

TEST_F(ColumnDialog, RefusalLeavesTheColumn) {
  const results::ResultsTable before = table;
  dialog->Present(1);
  Type("Edit_Element1", "1x");
  Recalculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Ungültige Eingabe:\n\"Elementdurchm. D in mm\"!");
  EXPECT_EQ(shown[0].focus, "Edit_Element1");
  Type("Edit_Element1", "100");
  Find<QComboBox>("ComboBox4")->setCurrentIndex(3);  // Nm³/h for a liquid
  Recalculate();
  EXPECT_EQ(shown.back().text, texts().FormText("MyWindow", "msgNormFlowLiquid"));
  EXPECT_EQ(table.Column(1), before.Column(1));
}

}  // namespace
}  // namespace velmora::gui
