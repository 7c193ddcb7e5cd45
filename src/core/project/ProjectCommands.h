#pragma once

#include <filesystem>
#include <optional>

#include "project/ProjectSession.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The project commands of the main window — New, Open, open-recent, Save, Save as and closing —
// as rules over a ProjectSession. What they need from the user goes through ProjectDialogs, which
// the window answers with its dialogs and tests with a script.
namespace velmora::project {

class ProjectDialogs {
 public:
  virtual ~ProjectDialogs() = default;
  virtual text::MessageAnswer Ask(const text::Message& question, text::MessageButtons buttons,
                                  text::MessageAnswer preselected) = 0;
  virtual void Show(const text::Messages& messages) = 0;
  // The open and the save dialog; nothing when cancelled.
  virtual std::optional<std::filesystem::path> ChooseFileToOpen() = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToSave(
      const std::optional<std::filesystem::path>& current) = 0;
};

struct ProjectContext {
  ProjectSession& session;
  ProjectDialogs& dialogs;
  const text::TextStore& texts;
};

// Each command answers whether it went through; false means it stopped and the table is as it was.
// A table with elements is never given up unless it was saved or the user chose not to save it.

// An empty, untitled project in place of the current one.
bool NewProject(const ProjectContext& context);
// The open dialog, then the chosen file (the save question first).
bool OpenProject(const ProjectContext& context);
// A named file: from the recent-file list (askToSave) or the command line (nothing to ask). A file
// held by another program may be opened read-only after asking.
bool OpenProjectFile(const ProjectContext& context, const std::filesystem::path& path, bool askToSave);
// Into the project's file; Save as when it has none or may not be written.
bool SaveProject(const ProjectContext& context);
// Into a file chosen in the save dialog.
bool SaveProjectAs(const ProjectContext& context);
// Before the window closes: an unsaved table is offered for saving. False keeps the window open.
bool CloseProject(const ProjectContext& context);

}  // namespace velmora::project
