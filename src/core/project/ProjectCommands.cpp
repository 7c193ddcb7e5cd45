#include "project/ProjectCommands.h"

#include "project/ProjectMessages.h"
#include "text/GlobalTexts.h"

namespace velmora::project {
namespace {

namespace fs = std::filesystem;
using text::MessageAnswer;
using text::MessageButtons;
using text::MessageIcon;

text::Message SaveQuestion(const text::TextStore& texts) {
  return {texts.GlobalText(text::global::kSaveQuestion),
          texts.GlobalText(text::global::kSaveQuestionCaption),
          MessageIcon::Question,
          {}};
}

// A message about one file: the file on the first line, then the main window's text for the case.
text::Message FileMessage(const text::TextStore& texts, std::string_view key, MessageIcon icon, const fs::path& path) {
  return {path.string() + "\n\n" + texts.FormText(kMainWindowBlock, key),
          texts.GlobalText(text::global::kFileCaption),
          icon,
          {}};
}

// Before the table goes: a table with elements may be saved first. False when the command must
// stop — the user cancelled, or the save did not succeed.
bool SettleTable(const ProjectContext& c) {
  if (!c.session.HasElements()) return true;
  switch (c.dialogs.Ask(SaveQuestion(c.texts), MessageButtons::YesNoCancel, MessageAnswer::No)) {
    case MessageAnswer::Yes: return SaveProject(c);
    case MessageAnswer::No: return true;
    case MessageAnswer::Cancel:
    case MessageAnswer::Ok: break;
  }
  return false;
}

bool ReadInto(const ProjectContext& c, const fs::path& path) {
  OpenOutcome outcome = c.session.Open(path, c.texts);
  if (outcome.status == OpenOutcome::Status::InUse) {
    const text::Message question = FileMessage(c.texts, "msgProjectInUse", MessageIcon::Question, path);
    if (c.dialogs.Ask(question, MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes) return false;
    outcome = c.session.Open(path, c.texts, OpenMode::ReadOnly);
  }
  c.dialogs.Show(ProjectReadMessages(outcome.read, c.texts));
  return outcome.status == OpenOutcome::Status::Opened;
}

bool NothingToSave(const ProjectContext& c) {
  if (c.session.HasElements()) return false;
  c.dialogs.Show({{c.texts.GlobalText(text::global::kNothingToSave),
                   c.texts.GlobalText(text::global::kInformationCaption),
                   MessageIcon::Information,
                   {}}});
  return true;
}

}  // namespace

bool NewProject(const ProjectContext& c) {
  if (!SettleTable(c)) return false;
  c.session.StartNew();
  return true;
}

bool OpenProject(const ProjectContext& c) {
  if (!SettleTable(c)) return false;
  const std::optional<fs::path> path = c.dialogs.ChooseFileToOpen();
  return path && ReadInto(c, *path);
}

bool OpenProjectFile(const ProjectContext& c, const fs::path& path, bool askToSave) {
  if (askToSave && !SettleTable(c)) return false;
  return ReadInto(c, path);
}

bool SaveProject(const ProjectContext& c) {
  if (NothingToSave(c)) return false;
  switch (c.session.Save(c.texts)) {
    case WriteStatus::Written: return true;
    case WriteStatus::NoFile: return SaveProjectAs(c);
    case WriteStatus::ReadOnly:
      // The file stays as it is; the table may still go into another one.
      c.dialogs.Show({FileMessage(c.texts, "msgProjectReadOnly", MessageIcon::Exclamation, *c.session.Path())});
      return SaveProjectAs(c);
    case WriteStatus::InUse:
    case WriteStatus::Failed: break;
  }
  c.dialogs.Show({FileMessage(c.texts, "msgProjectSaveFailed", MessageIcon::Exclamation, *c.session.Path())});
  return false;
}

bool SaveProjectAs(const ProjectContext& c) {
  if (NothingToSave(c)) return false;
  const std::optional<fs::path> path = c.dialogs.ChooseFileToSave(c.session.Path());
  if (!path) return false;
  const char* refusal = nullptr;
  switch (c.session.SaveAs(*path, c.texts)) {
    case WriteStatus::Written: return true;
    case WriteStatus::ReadOnly: refusal = "msgProjectReadOnly"; break;
    case WriteStatus::InUse: refusal = "msgProjectInUseElsewhere"; break;
    case WriteStatus::NoFile:
    case WriteStatus::Failed: refusal = "msgProjectSaveFailed"; break;
  }
  c.dialogs.Show({FileMessage(c.texts, refusal, MessageIcon::Exclamation, *path)});
  return false;
}

bool CloseProject(const ProjectContext& c) {
  if (!c.session.Saved() && c.session.HasElements()) {
    const MessageAnswer answer = c.dialogs.Ask(SaveQuestion(c.texts), MessageButtons::YesNo, MessageAnswer::No);
    if (answer == MessageAnswer::Yes && !SaveProject(c)) return false;
  }
  c.session.Release();
  return true;
}

}  // namespace velmora::project
