#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TestTexts.h"
#include "settings/StoredSettings.h"
#include "settings/TEinstellungenDlg.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

settings::StoredSettings Current() {
  settings::StoredSettings s = settings::DefaultSettings('D', German(), mainform::MainForm::Defaults('D'));
  s.display = {3, false, true};
  s.form.flow = "42";
  return s;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      messages_.push_back(message);
      return MessageAnswer::Ok;
    });
    dialog_ = std::make_unique<TEinstellungenDlg>(German());
  }
  void TearDown() override {
    dialog_.reset();
    SetMessageInterceptor(nullptr);
  }

  template <typename T>
  T* Control(const char* name) const {
    T* control = dialog_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QSpinBox* Decimals() const { return Control<QSpinBox>("Edit2"); }

  // Runs the modal dialog; `act` drives it once it is open and ends with a button.
  bool EditWith(settings::StoredSettings& settings, std::function<void()> act) {
    QTimer::singleShot(0, dialog_.get(), std::move(act));
    return dialog_->Edit(settings);
  }

  std::unique_ptr<TEinstellungenDlg> dialog_;
  text::Messages messages_;
};

TEST_F(SettingsDialogTest, CaptionsAndItemsComeFromTheTexts) {
  dialog_->show();
  EXPECT_EQ(dialog_->objectName(), "EinstellungenDlg");
  EXPECT_EQ(dialog_->windowTitle(), "Einstellungen");
  EXPECT_EQ(Control<QLabel>("Label1")->text(), "Einheiten der Ergebnisanzeige:");
  EXPECT_EQ(Control<QLabel>("Label3")->text(), "Nachkommastellen der Ergebnisse:");
  EXPECT_EQ(Control<QComboBox>("ComboBox1")->itemText(0), "metrisch");
  EXPECT_EQ(Control<QComboBox>("ComboBox1")->itemText(1), "US");
  EXPECT_EQ(Control<QComboBox>("ComboBox2")->itemText(0), "ja");
  EXPECT_EQ(Control<QComboBox>("ComboBox2")->itemText(1), "nein");
  EXPECT_EQ(Control<QComboBox>("ComboBox3")->itemText(0), "metrisch");
  EXPECT_EQ(Control<QComboBox>("ComboBox3")->itemText(1), "US");
  EXPECT_EQ(Control<QGroupBox>("RadioGroup1")->title(), "Titel der Ergebnistabelle");
  EXPECT_EQ(Control<QRadioButton>("RadioGroup1_1")->text(), "Nur Dateiname");
  EXPECT_EQ(Control<QPushButton>("BitBtn1")->text(), "OK");
  EXPECT_EQ(Control<QPushButton>("CancelBtn")->text(), "&Abbrechen");
  dialog_->hide();
}

TEST(SettingsDialogTexts, EveryEditionHasAllTexts) {
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    TEinstellungenDlg dialog(texts);
    EXPECT_FALSE(dialog.windowTitle().isEmpty()) << edition;
    for (QLabel* label : dialog.findChildren<QLabel*>()) EXPECT_FALSE(label->text().isEmpty()) << edition;
    for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
      for (int i = 0; i < list->count(); ++i) EXPECT_FALSE(list->itemText(i).isEmpty()) << edition;
    }
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) EXPECT_FALSE(radio->text().isEmpty()) << edition;
    EXPECT_FALSE(texts.FormText("EinstellungenDlg", "WarnUserDbUnits").empty()) << edition;
    for (const std::string& missing : texts.MissingTexts()) {
      EXPECT_EQ(missing.find("EinstellungenDlg"), std::string::npos) << edition << " " << missing;
    }
  }
}

TEST_F(SettingsDialogTest, DecimalsOnlyThroughTheUpDown) {
  QSpinBox* decimals = Decimals();
  EXPECT_EQ(decimals->minimum(), 0);
  EXPECT_EQ(decimals->maximum(), 6);
  EXPECT_EQ(decimals->contextMenuPolicy(), Qt::NoContextMenu);
  auto* edit = decimals->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->contextMenuPolicy(), Qt::NoContextMenu);

  dialog_->Present(Current());
  dialog_->show();
  decimals->setFocus();
  QTest::keyClicks(decimals, "5");
  EXPECT_EQ(decimals->value(), 3);
  QTest::keyClick(decimals, Qt::Key_Up);
  EXPECT_EQ(decimals->value(), 4);
  for (int i = 0; i < 5; ++i) decimals->stepUp();
  EXPECT_EQ(decimals->value(), 6);  // the up-down stops at 6
  dialog_->hide();
}

TEST_F(SettingsDialogTest, PresentShowsTheCurrentSettings) {
  settings::StoredSettings s = Current();
  s.display = {5, true, false};
  s.restore = settings::kRestoreNo;
  s.userDatabaseUnits = settings::kUserDatabaseUs;
  dialog_->Present(s);
  EXPECT_EQ(Control<QComboBox>("ComboBox1")->currentIndex(), 1);
  EXPECT_EQ(Control<QComboBox>("ComboBox2")->currentIndex(), 1);
  EXPECT_EQ(Decimals()->value(), 5);
  EXPECT_EQ(Control<QComboBox>("ComboBox3")->currentIndex(), 1);
  EXPECT_TRUE(Control<QRadioButton>("RadioGroup1_1")->isChecked());
  EXPECT_TRUE(messages_.empty());  // presenting US database units is no change
}

TEST_F(SettingsDialogTest, OkGivesBackTheNewChoices) {
  settings::StoredSettings s = Current();
  const bool accepted = EditWith(s, [this] {
    Control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    Decimals()->stepUp();
    Decimals()->stepUp();
    Control<QComboBox>("ComboBox2")->setCurrentIndex(1);
    Control<QRadioButton>("RadioGroup1_1")->setChecked(true);
    Control<QPushButton>("BitBtn1")->click();
  });
  ASSERT_TRUE(accepted);
  EXPECT_TRUE(s.display.us);
  EXPECT_EQ(s.display.decimals, 5);
  EXPECT_FALSE(s.display.captionShowsPath);
  EXPECT_EQ(s.restore, settings::kRestoreNo);
  EXPECT_EQ(s.userDatabaseUnits, settings::kUserDatabaseMetric);
  EXPECT_EQ(s.form.flow, "42");  // the inputs are not the dialog's
}

TEST_F(SettingsDialogTest, CancelChangesNothing) {
  settings::StoredSettings s = Current();
  const bool accepted = EditWith(s, [this] {
    Control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    Decimals()->stepDown();
    Control<QRadioButton>("RadioGroup1_1")->setChecked(true);
    Control<QPushButton>("CancelBtn")->click();
  });
  EXPECT_FALSE(accepted);
  EXPECT_FALSE(s.display.us);
  EXPECT_EQ(s.display.decimals, 3);
  EXPECT_TRUE(s.display.captionShowsPath);
  EXPECT_EQ(s.restore, settings::kRestoreYes);

  // The next opening shows the settings again, not the cancelled choices.
  const bool again = EditWith(s, [this] {
    EXPECT_EQ(Control<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(Decimals()->value(), 3);
    Control<QPushButton>("BitBtn1")->click();
  });
  EXPECT_TRUE(again);
  EXPECT_FALSE(s.display.us);
}

TEST_F(SettingsDialogTest, ChangingTheUserDatabaseUnitsWarns) {
  dialog_->Present(Current());
  Control<QComboBox>("ComboBox1")->setCurrentIndex(1);
  EXPECT_TRUE(messages_.empty());
  Control<QComboBox>("ComboBox3")->setCurrentIndex(1);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, German().FormText("EinstellungenDlg", "WarnUserDbUnits"));
  EXPECT_EQ(messages_[0].caption, "Dateifehler");  // global text 149
  EXPECT_EQ(messages_[0].icon, text::MessageIcon::Exclamation);
  Control<QComboBox>("ComboBox3")->setCurrentIndex(0);
  EXPECT_EQ(messages_.size(), 2u);
}

TEST_F(SettingsDialogTest, ChangingTheDisplayUnitsIsAnnounced) {
  dialog_->Present(Current());
  QSignalSpy spy(dialog_.get(), &TEinstellungenDlg::DisplayUnitsChanged);
  Control<QComboBox>("ComboBox1")->setCurrentIndex(1);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_TRUE(spy.at(0).at(0).toBool());
  settings::StoredSettings us = Current();
  us.display.us = true;
  dialog_->Present(us);
  EXPECT_EQ(spy.count(), 1);  // presenting is no change
}

}  // namespace
}  // namespace velmora::gui
