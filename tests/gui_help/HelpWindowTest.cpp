// The manual's window on the manual of this build: pages, contents, back and forward, search; the
// about box and the upgrade dialog; their texts in every edition.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include "TestTexts.h"
#include "help/THilfeFenster.h"
#include "help/TInfoDlg.h"
#include "help/TUpgradeDlg.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

class HelpWindow : public testing::Test {
 protected:
  THilfeFenster window{German(), QDir(VELMORA_TEST_PROGRAM_DIR).filePath("help"), "index.html"};
  template <typename T>
  T* Find(const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
};

TEST_F(HelpWindow, ShowsPagesWithTheirContentsEntryAndGoesBackAndForward) {
  ASSERT_TRUE(window.ShowPage("index.html"));
  QTreeWidget* contents = Find<QTreeWidget>("TreeView1");
  ASSERT_GT(contents->topLevelItemCount(), 5);
  EXPECT_EQ(contents->currentItem()->data(0, Qt::UserRole).toString(), "index.html");
  EXPECT_FALSE(Find<QToolButton>("ZurueckBtn")->isEnabled());

  window.ShowPage("elements-04.html#kind-5");
  EXPECT_EQ(window.CurrentPage(), "elements-04.html#kind-5");
  EXPECT_EQ(contents->currentItem()->data(0, Qt::UserRole).toString(), "elements-04.html");
  EXPECT_TRUE(window.windowTitle().startsWith(QString::fromUtf8("Velmora-Hilfe – 4 ")));
  EXPECT_TRUE(Find<QTextBrowser>("Browser")->toPlainText().contains(QString::fromUtf8("Kniestück, kreisförmig")));

  Find<QToolButton>("ZurueckBtn")->click();
  EXPECT_EQ(window.CurrentPage(), "index.html");
  ASSERT_TRUE(Find<QToolButton>("VorBtn")->isEnabled());
  Find<QToolButton>("VorBtn")->click();
  EXPECT_EQ(window.CurrentPage(), "elements-04.html#kind-5");

  // A page the manual lacks shows the start page; the home button too.
  window.ShowPage("no-such-page.html");
  EXPECT_EQ(window.CurrentPage(), "index.html");
  window.ShowPage("laws.html");
  Find<QToolButton>("StartBtn")->click();
  EXPECT_EQ(window.CurrentPage(), "index.html");
}

TEST_F(HelpWindow, SearchListsThePagesAndOpensAHit) {
  window.ShowPage("index.html");
  Find<QLineEdit>("SuchEdit")->setText("Colebrook");
  Find<QPushButton>("SuchBtn")->click();
  QListWidget* hits = Find<QListWidget>("SuchListe");
  ASSERT_GT(hits->count(), 1);
  const QString first = hits->item(0)->data(Qt::UserRole).toString();
  emit hits->itemActivated(hits->item(0));
  EXPECT_EQ(window.CurrentPage(), first);

  window.Search("Colebrook xyzzy");
  ASSERT_EQ(hits->count(), 1);
  EXPECT_EQ(hits->item(0)->text().toStdString(), German().FormText("HilfeFenster", "NoHits"));
}

TEST(HelpWindowWithoutManual, SaysWhereTheManualIsExpected) {
  std::vector<text::Message> shown;
  SetMessageInterceptor([&shown](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::Ok;
  });
  THilfeFenster window(German(), "/nonexistent/help", "index.html");
  EXPECT_FALSE(window.ShowPage("index.html"));
  SetMessageInterceptor({});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().FormText("HilfeFenster", "msgNoManual") + "\n/nonexistent/help");
}

TEST(AboutBox, NameVersionEditionBuildDateAndLicences) {
  const TInfoDlg about(testing_support::Texts('F'), {"6.260", "2026-01-31"});
  EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), "Velmora");
  EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "6.260");
  EXPECT_EQ(about.findChild<QLabel*>("Edition")->text(), QString::fromUtf8("Français"));
  EXPECT_EQ(about.findChild<QLabel*>("BuildDate")->text(), "2026-01-31");
  const QString licences = about.findChild<QLabel*>("Licences")->text();
  EXPECT_TRUE(licences.contains(QString("Qt ") + qVersion()));
  EXPECT_TRUE(licences.contains("GNU Lesser General Public License"));
}

TEST(UpgradeDialog, ShowsWhatThePackageManagerKnowsAndKeepsTheStartOption) {
  TUpgradeDlg dialog(testing_support::Texts('E'), "6.260");
  const auto label = [&dialog](const char* name) { return dialog.findChild<QLabel*>(name)->text(); };
  dialog.Present(TUpgradeDlg::Mode::Check, {"6.260", "6.261"}, true);
  EXPECT_EQ(dialog.windowTitle(), "Check for upgrades");
  EXPECT_TRUE(label("Erklaerung").contains("velmora-en"));
  EXPECT_EQ(label("InstallierteVersion"), "6.260");
  EXPECT_EQ(label("AngeboteneVersion"), "offers version 6.261");
  EXPECT_TRUE(dialog.CheckAtStart());

  dialog.Present(TUpgradeDlg::Mode::Install, {"6.261", "6.261"}, false);
  EXPECT_EQ(dialog.windowTitle(), "Install upgrades");
  EXPECT_EQ(label("AngeboteneVersion"), "no newer version known");
  EXPECT_TRUE(label("Anleitung").contains("apt install --only-upgrade velmora-en"));
  EXPECT_FALSE(dialog.CheckAtStart());
  dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
  EXPECT_TRUE(dialog.CheckAtStart());

  // A build run from its folder: no package, the package manager does not know it.
  dialog.Present(TUpgradeDlg::Mode::Check, {}, false);
  EXPECT_EQ(label("InstallierteVersion"), "not installed by the package manager");
  EXPECT_EQ(label("AngeboteneVersion"), "does not know the package");
  EXPECT_EQ(label("Programmversion"), "6.260");
}

TEST(HelpTexts, EveryTextOfTheHelpMenuInEveryEdition) {
  const std::pair<const char*, std::vector<const char*>> blocks[] = {
      {"HilfeFenster",
       {"Caption", "BackBtn", "ForwardBtn", "HomeBtn", "ContentsTab", "SearchTab", "SearchBtn", "NoHits", "HelpBtn",
        "msgNoManual"}},
      {"InfoDlg",
       {"Caption", "Description", "VersionLabel", "EditionLabel", "Edition", "BuildDateLabel", "LicencesLabel",
        "Licences", "OKBtn"}},
      {"UpgradeDlg",
       {"CaptionCheck", "CaptionInstall", "Explanation", "ProgramVersionLabel", "InstalledLabel", "CandidateLabel",
        "NotInstalled", "Unknown", "UpToDate", "Offered", "HowCheck", "HowInstall", "CheckAtStart", "CloseBtn",
        "msgUpgradeOffered"}},
  };
  for (const text::Edition edition : text::kEditions) {
    for (const auto& [block, keys] : blocks) {
      for (const char* key : keys) {
        EXPECT_TRUE(testing_support::Texts(edition).HasFormText(block, key)) << edition << " " << block << "/" << key;
      }
    }
  }
}

}  // namespace
}  // namespace velmora::gui
