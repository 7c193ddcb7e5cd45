#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include "main/Startup.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/QtTranslations.h"

namespace velmora::gui {
namespace {

class Startup : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      shown.push_back(message);
      return MessageAnswer::Ok;
    });
  }
  void TearDown() override { SetMessageInterceptor({}); }
  std::vector<text::Message> shown;
};

TEST_F(Startup, MissingTextFilesEndTheStartWithTheirMessage) {
  QTemporaryDir folder;
  text::TextStore texts('D');
  EXPECT_FALSE(LoadTextsOrExplain(texts, folder.path()));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, kMissingTextFiles);
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Exclamation);
  EXPECT_FALSE(shown[0].caption.empty());
}

TEST_F(Startup, ShortTextFileEndsTheStartToo) {
  QTemporaryDir folder;
  for (const char* name : {"varglob.gru", "varsonst.gru", "elemente.gru"}) {
    ASSERT_TRUE(QFile::copy(QString(VELMORA_TEST_PROGRAM_DIR) + "/" + name, folder.filePath(name)));
  }
  QFile elements(folder.filePath("elemente.gru"));
  ASSERT_TRUE(elements.open(QIODevice::ReadWrite));
  elements.resize(200);  // a few lines only
  elements.close();
  text::TextStore texts('D');
  EXPECT_FALSE(LoadTextsOrExplain(texts, folder.path()));
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(Startup, CompleteFolderLoadsSilently) {
  text::TextStore texts('F');
  EXPECT_TRUE(LoadTextsOrExplain(texts, VELMORA_TEST_PROGRAM_DIR));
  EXPECT_TRUE(shown.empty());
  EXPECT_FALSE(texts.GlobalText(184).empty());
}

}  // namespace
}  // namespace velmora::gui

namespace velmora::gui {
namespace {

// Qt's own dialogs speak the edition's language: "Look in:" of the file dialog, "&Yes" of a
// message box, as Qt's translations give them.
TEST(QtTranslations, QtDialogsSpeakTheEditionsLanguage) {
  struct Case {
    text::Edition edition;
    const char* lookIn;
  };
  for (const Case& c : {Case{'D', "Suchen in:"}, Case{'F', "Voir dans :"}, Case{'H', "Zoeken in:"}}) {
    QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance(), c.edition);
    ASSERT_NE(translator, nullptr) << c.edition << ": Qt's translations are missing";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), c.lookIn);
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  EXPECT_EQ(InstallQtTranslations(*QCoreApplication::instance(), 'E'), nullptr);
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
}

}  // namespace
}  // namespace velmora::gui
