#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "results/ResultsTable.h"
#include "results/TAusgabe_Fenster.h"
#include "toolkit/FileDialogs.h"

namespace velmora::gui {
namespace {

class ProjectCommands : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    SetFileDialogInterceptor([this](const FileDialogRequest& request) {
      requests.push_back(request);
      return answer;
    });
  }
  void TearDown() override {
    SetFileDialogInterceptor({});
    MainWindowFixture::TearDown();
  }
  void CalculateTwoElements() {
    PressCalculate();
    window->SelectElement(4, 1);
    PressCalculate();
    ASSERT_EQ(window->ResultsWindow()->ElementCount(), 2);
  }
  QString ProjectFile(const char* name) const { return folder.filePath(name); }

  QTemporaryDir folder;
  QString answer;
  std::vector<FileDialogRequest> requests;
};

TEST_F(ProjectCommands, SaveAsThenOpenBringsTheTableBack) {
  CalculateTwoElements();
  const results::ResultsTable before = window->ResultsWindow()->Table();
  answer = ProjectFile("pipeline.vlm");
  ASSERT_TRUE(window->SaveProjectAs());
  EXPECT_TRUE(window->ProjectSaved());
  EXPECT_EQ(window->ProjectPath(), answer);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].kind, FileDialogKind::Save);
  EXPECT_EQ(requests[0].filter, "Projektdateien (*.vlm)|*.vlm");

  SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::No;
  });
  window->NewProject();  // a table with elements is always asked about
  EXPECT_EQ(shown.size(), 1u);
  shown.clear();
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 0);

  window->OpenProject();  // nothing to ask: the table is empty
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 2);
  for (int column = 1; column <= 2; ++column) {
    for (int row = 0; row < 26; ++row) {
      EXPECT_EQ(window->ResultsWindow()->Table().Cell(column, row), before.Cell(column, row)) << column << "/" << row;
    }
  }
  EXPECT_TRUE(shown.empty());
}

TEST_F(ProjectCommands, NewAsksWhenTheTableHoldsElementsAndCancelKeepsIt) {
  PressCalculate();
  SetMessageInterceptor([this](const text::Message& message, MessageButtons buttons) {
    shown.push_back(message);
    EXPECT_EQ(buttons, MessageButtons::YesNoCancel);
    return MessageAnswer::Cancel;
  });
  EXPECT_FALSE(window->NewProject());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').GlobalText(190));
  EXPECT_EQ(shown[0].caption, testing_support::Texts('D').GlobalText(8));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Question);
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);
  EXPECT_FALSE(window->ProjectPath().has_value());
  EXPECT_EQ(window->ResultsWindow()->windowTitle(), ToQString(testing_support::Texts('D').GlobalText(143)));
}

TEST_F(ProjectCommands, SaveWithoutElementsSaysThereIsNothingToSave) {
  EXPECT_FALSE(window->SaveProject());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').GlobalText(188));
  EXPECT_EQ(shown[0].caption, testing_support::Texts('D').GlobalText(75));
  EXPECT_TRUE(requests.empty());
}

TEST_F(ProjectCommands, CancelledSaveAsLeavesTheProjectUnsaved) {
  PressCalculate();
  answer.clear();
  EXPECT_FALSE(window->SaveProject());  // untitled: Save asks for a name
  EXPECT_EQ(requests.size(), 1u);
  EXPECT_FALSE(window->ProjectSaved());
}

TEST_F(ProjectCommands, ClosingAnUnsavedTableAsksAndYesSaves) {
  PressCalculate();
  answer = ProjectFile("closing.vlm");
  SetMessageInterceptor([this](const text::Message& message, MessageButtons buttons) {
    shown.push_back(message);
    EXPECT_EQ(buttons, MessageButtons::YesNo);
    return MessageAnswer::Yes;
  });
  window->close();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(QFile::exists(answer));
  EXPECT_FALSE(window->isVisible());
}

TEST_F(ProjectCommands, ClosingStaysOpenWhenTheSaveFails) {
  PressCalculate();
  answer.clear();  // the save dialog is cancelled
  SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::Yes;
  });
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);
}

TEST_F(ProjectCommands, DeletingAColumnMakesTheProjectUnsaved) {
  PressCalculate();
  answer = ProjectFile("delete.vlm");
  ASSERT_TRUE(window->SaveProjectAs());
  window->ResultsWindow()->SelectColumn(1);
  window->ResultsWindow()->DeleteSelectedColumn();
  EXPECT_FALSE(window->ProjectSaved());
}

TEST_F(ProjectCommands, AFileThatIsNoProjectKeepsTheTable) {
  PressCalculate();
  QFile junk(ProjectFile("junk.vlm"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("6.0\r\ntitle\r\nM\r\nmany\r\n");
  junk.close();
  answer = junk.fileName();
  SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::No;
  });
  window->OpenProject();
  ASSERT_EQ(shown.size(), 2u);  // the save question, then the invalid file
  EXPECT_EQ(shown[1].text, testing_support::Texts('D').FormText("MyWindow", "msgInvalidProject"));
  EXPECT_EQ(shown[1].caption, testing_support::Texts('D').GlobalText(149));
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);
  EXPECT_FALSE(window->ProjectSaved());
}

TEST_F(ProjectCommands, AMissingFileCannotBeOpened) {
  answer = ProjectFile("missing.vlm");
  window->OpenProject();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').FormText("MyWindow", "msgProjectOpenFailed"));
}

TEST_F(ProjectCommands, CommandLineOpensTheNamedProjectRelativeToTheStartFolder) {
  CalculateTwoElements();
  answer = ProjectFile("My project.vlm");
  ASSERT_TRUE(window->SaveProjectAs());
  // A second program is told that the file is in use and may open it read-only.
  std::vector<text::Message> asked;
  SetMessageInterceptor([&](const text::Message& message, MessageButtons buttons) {
    asked.push_back(message);
    EXPECT_EQ(buttons, MessageButtons::YesNo);
    return MessageAnswer::Yes;
  });
  TMyWindow second(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  second.SetSettingsFile(settingsFolder.filePath("second.ini"));
  second.PrepareFirstShow({"My", "project.vlm"}, folder.path());
  EXPECT_EQ(second.ProjectPath(), answer);
  EXPECT_EQ(second.ResultsWindow()->ElementCount(), 2);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_TRUE(asked[0].text.ends_with(testing_support::Texts('D').FormText("MyWindow", "msgProjectInUse")));
  EXPECT_TRUE(second.ResultsWindow()->windowTitle().endsWith(
      ToQString(testing_support::Texts('D').FormText("MyWindow", "capReadOnly"))));
}

class EnglishProjects : public ProjectCommands {
  text::Edition Edition() const override { return 'E'; }
};

TEST_F(EnglishProjects, FileWrittenInEnglishOpensInGerman) {
  PressCalculate();
  answer = ProjectFile("english.vlm");
  ASSERT_TRUE(window->SaveProjectAs());
  EXPECT_EQ(requests[0].filter, "Project files (*.vlm)|*.vlm");
  const std::string englishName = window->ResultsWindow()->Table().Cell(1, 7);
  window->close();  // saved: lets the file go without asking

  TMyWindow german(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  german.SetSettingsFile(settingsFolder.filePath("german.ini"));
  german.PrepareFirstShow({});
  ASSERT_TRUE(german.OpenProjectFile(answer));
  ASSERT_EQ(german.ResultsWindow()->ElementCount(), 1);
  EXPECT_EQ(german.ResultsWindow()->Table().Cell(1, 7), testing_support::Texts('D').KindName(1, 1) + "/1");
  EXPECT_EQ(german.ResultsWindow()->Table().Cell(1, 3), "998,200");
  EXPECT_EQ(englishName, testing_support::Texts('E').KindName(1, 1) + "/1");
}

}  // namespace
}  // namespace velmora::gui

namespace velmora::gui {
namespace {

TEST_F(ProjectCommands, OpenedFilesAreOfferedInTheFileMenuAndOpenAgain) {
  CalculateTwoElements();
  answer = ProjectFile("recent.vlm");
  ASSERT_TRUE(window->SaveProjectAs());
  SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::No;
  });
  window->OpenProject();  // the same file, through the dialog
  ASSERT_EQ(window->RecentFiles().Paths().size(), 1u);
  QAction* entry = window->findChild<QAction*>("RecentFile0");
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->text().startsWith("&0 "));
  window->NewProject();
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 0);
  entry->trigger();
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 2);
  EXPECT_EQ(window->ProjectPath(), answer);

  // The list survives the next start.
  window->close();
  TMyWindow next(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  next.SetSettingsFile(settingsFolder.filePath("Velmora6.ini"));
  next.PrepareFirstShow({});
  EXPECT_EQ(next.RecentFiles().Paths(), window->RecentFiles().Paths());
  EXPECT_NE(next.findChild<QAction*>("RecentFile0"), nullptr);
}

}  // namespace
}  // namespace velmora::gui
