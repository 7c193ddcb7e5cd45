// The zeta database window over a folder of its own: the lists follow the chosen manufacturer and
// fitting, a damaged file empties them with the message, and another file loads afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "TestTexts.h"
#include "coefficients/TZetaDatenbank.h"
#include "text/GlobalTexts.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

class ZetaWindow : public ::testing::Test {
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
  void Write(const char* name, const QByteArray& content) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  void Open(text::Edition edition = 'D') {
    dialog = std::make_unique<TZetaDatenbank>(testing_support::Texts(edition), folder.path());
    dialog->show();
    QApplication::processEvents();
  }
  QListWidget* List(const char* name) const { return dialog->findChild<QListWidget*>(name); }
  QStringList Items(const char* name) const {
    QStringList items;
    for (int i = 0; i < List(name)->count(); ++i) items << List(name)->item(i)->text();
    return items;
  }
  QString Zeta() const { return dialog->findChild<QLineEdit*>("Edit1")->text(); }
  QPushButton* Ok() const { return dialog->findChild<QPushButton*>("OKBtn"); }

  QTemporaryDir folder;
  std::unique_ptr<TZetaDatenbank> dialog;
  std::vector<text::Message> shown;
};

TEST_F(ZetaWindow, ListsFollowManufacturerFittingAndSize) {
  Write("Armaturen A.ZTA", "Ventil A\t15\t4,5\t20\t4,1\t\r\nKlappe\t50\t0,85\t65\t0,81\r\n");
  Write("Armaturen B.ZTA", "Schieber\t80\t0,14\r\n");
  Open();
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(Items("FileListBox1"), (QStringList{"Armaturen A", "Armaturen B"}));
  EXPECT_EQ(Items("ListBox1"), (QStringList{"Ventil A", "Klappe"}));
  EXPECT_EQ(Items("ListBox2"), (QStringList{"15", "20"}));
  EXPECT_EQ(Zeta(), "4,5");
  List("ListBox2")->setCurrentRow(1);
  EXPECT_EQ(Zeta(), "4,1");
  List("ListBox1")->setCurrentRow(1);
  EXPECT_EQ(Items("ListBox2"), (QStringList{"50", "65"}));
  EXPECT_EQ(Zeta(), "0,85");
  EXPECT_FALSE(dialog->findChild<QCheckBox*>("CheckBox2")->isVisible());  // pump rows only with the pump design

  Ok()->click();
  ASSERT_TRUE(dialog->Chosen());
  EXPECT_EQ(dialog->Chosen()->manufacturer, "Armaturen A");
  EXPECT_EQ(dialog->Chosen()->designation, "Klappe");
  EXPECT_EQ(dialog->Chosen()->diameter, "50");
  EXPECT_EQ(dialog->Chosen()->zeta, "0,85");
  EXPECT_TRUE(dialog->Chosen()->describe);

  // Shown again, the dialog is where it was left.
  dialog->Present();
  dialog->show();
  QApplication::processEvents();
  EXPECT_FALSE(dialog->Chosen());
  EXPECT_EQ(List("ListBox1")->currentRow(), 1);
  EXPECT_EQ(Zeta(), "0,85");
}

TEST_F(ZetaWindow, DamagedFileEmptiesTheListsAndAnotherOneLoadsAfterwards) {
  Write("A.ZTA", "Ventil A\t15\t4,5\r\n");
  Write("B.ZTA", "Ventil B\t15\t\r\n\tDN\r\n");
  Write("C.ZTA", "Ventil C\t15\t4,5\t20\r\nVentil D\tx\t1\r\nVentil E\t25\t3,9\r\n");
  Open();
  const text::TextStore& german = testing_support::Texts('D');

  List("FileListBox1")->setCurrentRow(1);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text.rfind(german.GlobalText(text::global::kZetaFileError) + "B.ZTA\n", 0), 0u) << shown[0].text;
  EXPECT_EQ(shown[0].caption, german.GlobalText(text::global::kFileCaption));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Exclamation);
  EXPECT_TRUE(Items("ListBox1").isEmpty());
  EXPECT_TRUE(Items("ListBox2").isEmpty());
  EXPECT_TRUE(Zeta().isEmpty());
  EXPECT_FALSE(Ok()->isEnabled());
  Ok()->click();
  EXPECT_FALSE(dialog->Chosen());

  List("FileListBox1")->setCurrentRow(0);
  EXPECT_EQ(Items("ListBox1"), QStringList{"Ventil A"});
  EXPECT_EQ(Zeta(), "4,5");
  EXPECT_TRUE(Ok()->isEnabled());

  // What is sound is read; the note names what was left out.
  List("FileListBox1")->setCurrentRow(2);
  EXPECT_EQ(Items("ListBox1"), (QStringList{"Ventil C", "Ventil E"}));
  EXPECT_EQ(Items("ListBox2"), QStringList{"15"});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[1].text.find("Zeile 1 (Ventil C): Zeta-Wert fehlt bei DN 20; gelesen bis DN 15"), std::string::npos)
      << shown[1].text;
  EXPECT_NE(shown[1].text.find("Zeile 2 (Ventil D): Nennweite „x“ ist keine Zahl über 0; Zeile übergangen"),
            std::string::npos);

  // Mended, the damaged file loads when it is chosen again.
  Write("B.ZTA", "Ventil B\t15\t2,5\r\n");
  List("FileListBox1")->setCurrentRow(1);
  EXPECT_EQ(Items("ListBox1"), QStringList{"Ventil B"});
  EXPECT_EQ(Zeta(), "2,5");
}

TEST_F(ZetaWindow, EmptyFolderSaysSoAndIsReadAgainAtTheNextShow) {
  Open();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Fehler beim Lesen der Zeta-Werte-Datei:\n*.ZTA");
  EXPECT_TRUE(Items("FileListBox1").isEmpty());
  EXPECT_TRUE(Items("ListBox1").isEmpty());
  EXPECT_FALSE(Ok()->isEnabled());
  dialog->hide();
  Write("A.ZTA", "Ventil A\t15\t4,5\r\n");
  dialog->show();
  QApplication::processEvents();
  EXPECT_EQ(Items("FileListBox1"), QStringList{"A"});
  EXPECT_EQ(Zeta(), "4,5");
}

}  // namespace
}  // namespace velmora::gui
