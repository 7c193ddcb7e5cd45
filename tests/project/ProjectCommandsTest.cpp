#include "project/ProjectCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "SampleTables.h"
#include "TemporaryFolder.h"
#include "TestTexts.h"
#include "project/ProjectLock.h"
#include "project/ProjectMessages.h"
#include "text/GlobalTexts.h"

namespace velmora::project {
namespace {

namespace fs = std::filesystem;
using text::MessageAnswer;
using text::MessageButtons;

const text::TextStore& German() { return testing_support::Texts('D'); }

// The user of these tests: answers questions and file dialogs from a script, in order, and keeps
// what was asked and shown.
class ScriptedUser : public ProjectDialogs {
 public:
  std::deque<MessageAnswer> answers;
  std::deque<std::optional<fs::path>> files;
  std::vector<text::Message> asked;
  std::vector<text::Message> shown;
  int fileDialogs = 0;

  MessageAnswer Ask(const text::Message& question, MessageButtons, MessageAnswer) override {
    asked.push_back(question);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << question.text;
      return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Show(const text::Messages& messages) override { shown.insert(shown.end(), messages.begin(), messages.end()); }
  std::optional<fs::path> ChooseFileToOpen() override { return NextFile(); }
  std::optional<fs::path> ChooseFileToSave(const std::optional<fs::path>&) override { return NextFile(); }

  bool ShownText(std::string_view key) const {
    const std::string& text = German().FormText(kMainWindowBlock, key);
    for (const text::Message& message : shown) {
      if (message.text.ends_with(text)) return true;
    }
    return false;
  }

 private:
  std::optional<fs::path> NextFile() {
    ++fileDialogs;
    if (files.empty()) return std::nullopt;
    std::optional<fs::path> file = files.front();
    files.pop_front();
    return file;
  }
};

class ProjectCommandsTest : public testing::TemporaryFolderTest {
 protected:
  void SetUp() override {
    TemporaryFolderTest::SetUp();
    session_.Table() = testing::SampleTable('D');
    session_.MarkChanged();
  }
  ProjectContext Context() { return {session_, user_, German()}; }
  ProjectContext ContextOf(ProjectSession& session, ScriptedUser& user) { return {session, user, German()}; }
  // A project on disk, written by a session of its own.
  fs::path SavedProject(const std::string& name) {
    const fs::path path = folder_ / name;
    ProjectSession other;
    other.Table() = testing::SampleTable('D');
    EXPECT_EQ(other.SaveAs(path, German()), WriteStatus::Written);
    return path;
  }

  ProjectSession session_;
  ScriptedUser user_;
};

// "Yes, save" at New, Open, open-recent and close: when the save does not succeed, the table stays
// and the command stops.
struct FailedSaveCase {
  const char* name;
  std::function<bool(const ProjectContext&, const fs::path& other)> command;
  bool cancelSaveDialog;  // else the chosen file cannot be written
};

const FailedSaveCase kFailedSaves[] = {
    {"newCancelled", [](const ProjectContext& c, const fs::path&) { return NewProject(c); }, true},
    {"newWriteError", [](const ProjectContext& c, const fs::path&) { return NewProject(c); }, false},
    {"openCancelled", [](const ProjectContext& c, const fs::path&) { return OpenProject(c); }, true},
    {"openWriteError", [](const ProjectContext& c, const fs::path&) { return OpenProject(c); }, false},
    {"openRecentCancelled", [](const ProjectContext& c, const fs::path& p) { return OpenProjectFile(c, p, true); },
     true},
    {"openRecentWriteError", [](const ProjectContext& c, const fs::path& p) { return OpenProjectFile(c, p, true); },
     false},
    {"closeCancelled", [](const ProjectContext& c, const fs::path&) { return CloseProject(c); }, true},
    {"closeWriteError", [](const ProjectContext& c, const fs::path&) { return CloseProject(c); }, false},
};

class FailedSaveTest : public ProjectCommandsTest, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveTest, KeepsTheTableAndStops) {
  const FailedSaveCase& c = GetParam();
  const fs::path other = SavedProject("anderes.vlm");
  const int elements = session_.Table().ElementCount();
  user_.answers = {MessageAnswer::Yes};
  // The untitled table goes to Save as; its dialog is cancelled or names a file in a missing folder.
  user_.files = {c.cancelSaveDialog ? std::nullopt : std::optional(folder_ / "fehlt" / "neu.vlm"), other};
  EXPECT_FALSE(c.command(Context(), other));
  EXPECT_EQ(session_.Table().ElementCount(), elements);
  EXPECT_FALSE(session_.Path().has_value());
  EXPECT_FALSE(session_.Saved());
  EXPECT_EQ(user_.fileDialogs, 1) << "only the save dialog: the command stopped after it";
  EXPECT_EQ(user_.ShownText("msgProjectSaveFailed"), !c.cancelSaveDialog);
}

INSTANTIATE_TEST_SUITE_P(Commands, FailedSaveTest, ::testing::ValuesIn(kFailedSaves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectCommandsTest, SaveQuestionAnsweredNoOrCancel) {
  const fs::path other = SavedProject("anderes.vlm");
  // Cancel stops the command: the table stays.
  user_.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(OpenProjectFile(Context(), other, true));
  EXPECT_FALSE(session_.Path().has_value());
  // No lets it go.
  user_.answers = {MessageAnswer::No};
  EXPECT_TRUE(OpenProjectFile(Context(), other, true));
  EXPECT_EQ(session_.Path(), other);
  EXPECT_TRUE(session_.Saved());
  ASSERT_EQ(user_.asked.size(), 2u);
  EXPECT_EQ(user_.asked[0].text, German().GlobalText(text::global::kSaveQuestion));
  EXPECT_EQ(user_.asked[0].caption, German().GlobalText(text::global::kSaveQuestionCaption));
  // New on a saved project still asks (the table has elements); No empties it and forgets the file.
  user_.answers = {MessageAnswer::No};
  EXPECT_TRUE(NewProject(Context()));
  EXPECT_EQ(session_.Table().ElementCount(), 0);
  EXPECT_FALSE(session_.Path().has_value());
  EXPECT_FALSE(fs::exists(ProjectLock::LockFileOf(other)));
  // An empty table asks nothing.
  EXPECT_TRUE(NewProject(Context()));
  EXPECT_EQ(user_.asked.size(), 3u);
}

TEST_F(ProjectCommandsTest, CloseAsksOnlyForAnUnsavedTable) {
  user_.answers = {MessageAnswer::No};
  EXPECT_TRUE(CloseProject(Context()));
  const fs::path path = folder_ / "neu.vlm";
  user_.files = {path};
  ASSERT_TRUE(SaveProjectAs(Context()));
  EXPECT_TRUE(fs::exists(ProjectLock::LockFileOf(path)));
  EXPECT_TRUE(CloseProject(Context()));  // saved: nothing asked
  EXPECT_EQ(user_.asked.size(), 1u);
  EXPECT_FALSE(fs::exists(ProjectLock::LockFileOf(path))) << "closing lets the file go";
}

TEST_F(ProjectCommandsTest, WriteProtectedProjectIsNeverReplaced) {
  for (const bool protectFolder : {false, true}) {
    SCOPED_TRACE(protectFolder ? "folder" : "file");
    const fs::path folder = folder_ / (protectFolder ? "geschützt" : "offen");
    fs::create_directories(folder);
    const fs::path path = folder / "alt.vlm";
    Put(path, Bytes(SavedProject("vorlage.vlm")));
    const std::string before = Bytes(path);
    ASSERT_TRUE(OpenProjectFile(Context(), path, false));
    fs::permissions(protectFolder ? folder : path,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    session_.MarkChanged();
    user_.files = {std::nullopt};  // Save as offered after the message, then cancelled
    EXPECT_FALSE(SaveProject(Context()));
    EXPECT_TRUE(user_.ShownText("msgProjectReadOnly"));
    EXPECT_EQ(user_.fileDialogs, 1);
    // Save as onto the protected file is refused too.
    user_.files = {path};
    EXPECT_FALSE(SaveProjectAs(Context()));
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(session_.Path(), path);
    fs::permissions(protectFolder ? folder : path, fs::perms::owner_write, fs::perm_options::add);
    user_ = ScriptedUser{};
  }
}

TEST_F(ProjectCommandsTest, ProjectOpenedWriteProtectedIsReadOnly) {
  const fs::path path = SavedProject("alt.vlm");
  fs::permissions(path, fs::perms::owner_read);
  ASSERT_TRUE(OpenProjectFile(Context(), path, false));
  EXPECT_TRUE(session_.ReadOnly());
  EXPECT_EQ(session_.Save(German()), WriteStatus::ReadOnly);
  fs::permissions(path, fs::perms::owner_all);
}

TEST_F(ProjectCommandsTest, SecondProgramIsToldTheFileIsInUse) {
  const fs::path path = SavedProject("gemeinsam.vlm");
  ASSERT_TRUE(OpenProjectFile(Context(), path, false));
  const std::string first = Bytes(path);

  ProjectSession second;
  ScriptedUser secondUser;
  const ProjectContext other = ContextOf(second, secondUser);
  secondUser.answers = {MessageAnswer::No};
  EXPECT_FALSE(OpenProjectFile(other, path, false));
  EXPECT_FALSE(second.Path().has_value());
  ASSERT_EQ(secondUser.asked.size(), 1u);
  EXPECT_EQ(secondUser.asked[0].text, path.string() + "\n\n" + German().FormText(kMainWindowBlock, "msgProjectInUse"));
  EXPECT_EQ(secondUser.asked[0].icon, text::MessageIcon::Question);

  // Read-only it opens, but it cannot save over the first program's file, neither way.
  secondUser.answers = {MessageAnswer::Yes};
  ASSERT_TRUE(OpenProjectFile(other, path, false));
  EXPECT_TRUE(second.ReadOnly());
  EXPECT_EQ(second.Table().ElementCount(), session_.Table().ElementCount());
  second.MarkChanged();
  secondUser.files = {std::nullopt};
  EXPECT_FALSE(SaveProject(other));
  EXPECT_TRUE(secondUser.ShownText("msgProjectReadOnly"));
  secondUser.files = {path};
  EXPECT_FALSE(SaveProjectAs(other));
  EXPECT_TRUE(secondUser.ShownText("msgProjectInUseElsewhere"));
  EXPECT_EQ(Bytes(path), first);

  // The first program saves as before; once it lets go, the second may take the file.
  session_.MarkChanged();
  EXPECT_TRUE(SaveProject(Context()));
  session_.Release();
  secondUser.files = {path};
  EXPECT_TRUE(SaveProjectAs(other));
  EXPECT_FALSE(second.ReadOnly());
}

TEST_F(ProjectCommandsTest, SavingThroughALinkReplacesItsTarget) {
  const fs::path target = SavedProject("ziel.vlm");
  fs::create_directories(folder_ / "verweise");
  const fs::path link = folder_ / "verweise" / "verweis.vlm";
  fs::create_symlink(fs::path("..") / "ziel.vlm", link);
  ASSERT_TRUE(OpenProjectFile(Context(), link, false));
  session_.Table().SetProjectTitle("durch den Verweis");
  session_.MarkChanged();
  ASSERT_TRUE(SaveProject(Context()));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_NE(Bytes(target).find("durch den Verweis"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "verweise"), fs::directory_iterator()), 1)
      << "no temporary or lock file beside the link";
  // The lock lies beside the target: the target's own name is in use too.
  ProjectSession second;
  EXPECT_EQ(second.Open(target, German()).status, OpenOutcome::Status::InUse);
}

TEST_F(ProjectCommandsTest, FailedOpenKeepsTheProjectAndItsFile) {
  const fs::path path = folder_ / "eigen.vlm";
  user_.files = {path};
  ASSERT_TRUE(SaveProjectAs(Context()));
  const fs::path damaged = folder_ / "kaputt.vlm";
  Put(damaged, "6.0\r\nTitel\r\nM\r\nkeine Zahl\r\n");
  for (const fs::path& file : {damaged, folder_ / "fehlt.vlm"}) {
    user_.answers = {MessageAnswer::No};
    EXPECT_FALSE(OpenProjectFile(Context(), file, true));
  }
  EXPECT_TRUE(user_.ShownText("msgInvalidProject"));
  EXPECT_TRUE(user_.ShownText("msgProjectOpenFailed"));
  EXPECT_EQ(session_.Path(), path);
  EXPECT_EQ(session_.Table().ElementCount(), testing::SampleTable('D').ElementCount());
  EXPECT_FALSE(fs::exists(ProjectLock::LockFileOf(damaged)));
  ProjectSession second;
  EXPECT_EQ(second.Open(path, German()).status, OpenOutcome::Status::InUse) << "still held";
}

TEST(ProjectLock, OneHolderAtATime) {
  const fs::path path = fs::temp_directory_path() / "velmora-lock-test.vlm";
  ProjectLock first;
  ProjectLock second;
  ASSERT_EQ(first.Acquire(path), ProjectLock::Status::Locked);
  EXPECT_EQ(second.Acquire(path), ProjectLock::Status::InUse);
  ProjectLock moved = std::move(first);
  EXPECT_EQ(second.Acquire(path), ProjectLock::Status::InUse);
  moved.Release();
  EXPECT_EQ(second.Acquire(path), ProjectLock::Status::Locked);
  second.Release();
  EXPECT_FALSE(fs::exists(ProjectLock::LockFileOf(path)));
  EXPECT_EQ(first.Acquire(fs::path("/proc/velmora.vlm")), ProjectLock::Status::Unavailable);
}

}  // namespace
}  // namespace velmora::project
