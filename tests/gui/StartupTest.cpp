#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "main/Startup.h"
#include "toolkit/MessageBoxes.h"

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
