// The project commands of the main window: New, Open, Save, Save as, and the save question.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

#include "main/TMyWindow.h"
#include "project/ProjectFile.h"
#include "project/ProjectMessages.h"
#include "results/TAusgabe_Fenster.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kSaveQuestionCaption = 8;
constexpr int kInfoCaption = 75;
constexpr int kUntitled = 143;
constexpr int kFileErrorCaption = 149;
constexpr int kNothingToSave = 188;
constexpr int kSaveQuestion = 190;

QString ProjectFilter(text::Edition edition) {
  switch (edition) {
    case 'H': return "projectbestanden (*.vlm)|*.vlm";
    case 'E': return "Project files (*.vlm)|*.vlm";
    case 'F': return "Project fichiers (*.vlm)|*.vlm";
    default: return "Projektdateien (*.vlm)|*.vlm";
  }
}

}  // namespace

bool TMyWindow::HasElements() const { return results_->ElementCount() > 0; }

QString TMyWindow::UntitledName() const { return ToQString(texts_.GlobalText(kUntitled)); }

MessageAnswer TMyWindow::AskToSave(bool offerCancel) {
  return ShowMessage(
      this,
      {texts_.GlobalText(kSaveQuestion), texts_.GlobalText(kSaveQuestionCaption), text::MessageIcon::Question, {}},
      offerCancel ? MessageButtons::YesNoCancel : MessageButtons::YesNo, MessageAnswer::No);
}

void TMyWindow::NewProject() {
  // With an empty table nothing is asked and nothing cleared; Cancel discards like No.
  if (HasElements()) {
    if (AskToSave(true) == MessageAnswer::Yes) SaveProject();
    projectPath_ = UntitledName();
    results_->ClearTable(projectPath_);
    projectSaved_ = true;
  }
  projectHeld_ = false;
}

void TMyWindow::OpenProject() {
  if (HasElements() && AskToSave(true) == MessageAnswer::Yes) SaveProject();
  const QString path = ChooseFile(this, {FileDialogKind::Open, ProjectFilter(texts_.edition()), "VLM", {}});
  if (path.isEmpty()) return;
  ReadProject(path);
  recent_.Add(ToStdString(QFileInfo(path).absoluteFilePath()));
  RebuildRecentMenu();
}

void TMyWindow::OpenRecent(const QString& caption) {
  if (HasElements() && AskToSave(true) == MessageAnswer::Yes) SaveProject();
  const std::string path = recent_.FileFor(ToStdString(caption), ToStdString(QDir::currentPath()));
  if (!path.empty()) ReadProject(ToQString(path));
}

void TMyWindow::RebuildRecentMenu() {
  QMenu* file = findChild<QMenu*>("Datei1");
  for (QAction* action : recentActions_) {
    file->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  const std::vector<std::string> captions = recent_.MenuCaptions(ToStdString(QDir::currentPath()));
  if (captions.empty()) return;
  // The entries stand between two separators right after "Save as".
  const QList<QAction*> items = file->actions();
  const qsizetype saveAs = items.indexOf(actions_["Speichernunter1"]);
  QAction* before = saveAs + 1 < items.size() ? items[saveAs + 1] : nullptr;
  auto separator = [&] {
    auto* line = new QAction(file);
    line->setSeparator(true);
    file->insertAction(before, line);
    recentActions_.push_back(line);
  };
  separator();
  for (std::size_t n = 0; n < captions.size(); ++n) {
    auto* entry = new QAction(ToQString(captions[n]), file);
    entry->setObjectName(QString("RecentFile%1").arg(n));
    connect(entry, &QAction::triggered, this, [this, entry] { OpenRecent(entry->text()); });
    file->insertAction(before, entry);
    recentActions_.push_back(entry);
  }
  separator();
}

bool TMyWindow::SaveProject() {
  if (!HasElements()) {
    ShowMessage(
        this, {texts_.GlobalText(kNothingToSave), texts_.GlobalText(kInfoCaption), text::MessageIcon::Information, {}});
    return false;
  }
  // Without a file of its own (untitled, or after a failed open) Save asks for a name.
  if (projectPath_ == UntitledName() || !projectHeld_) return SaveProjectAs();
  return WriteProject(projectPath_);
}

bool TMyWindow::SaveProjectAs() {
  if (!HasElements()) return SaveProject();
  const QString path = ChooseFile(this, {FileDialogKind::Save, ProjectFilter(texts_.edition()), "VLM",
                                         projectPath_ == UntitledName() ? QString() : projectPath_});
  // A cancelled dialog saves nothing, so the project stays unsaved (and closing still asks).
  if (path.isEmpty()) return false;
  if (!WriteProject(path)) return false;
  projectPath_ = path;
  results_->SetProjectPath(projectPath_);
  return true;
}

project::ProjectAppearance TMyWindow::Appearance() const {
  project::ProjectAppearance appearance = pageSetup_;
  appearance.us = results_->DisplayOptions().us;
  results_->StoreLook(appearance);
  return appearance;
}

void TMyWindow::ApplyAppearance(const project::ProjectAppearance& appearance) {
  pageSetup_ = appearance;
  results_->ApplyLook(appearance);
}

bool TMyWindow::WriteProject(const QString& path) {
  const project::ProjectFileWrite written =
      project::SaveProject(ToStdString(path), results_->Table(), Appearance(), texts_);
  if (!written.ok()) {
    ShowMessage(this, {ToStdString(Text("msgProjectSaveFailed")),
                       texts_.GlobalText(kFileErrorCaption),
                       text::MessageIcon::Exclamation,
                       {}});
    return false;
  }
  projectHeld_ = true;
  projectSaved_ = true;
  return true;
}

void TMyWindow::ReadProject(const QString& path) {
  projectHeld_ = false;
  const project::ProjectReadResult read = project::OpenProject(ToStdString(path), texts_, Appearance());
  const text::Messages messages = project::ProjectReadMessages(read, texts_);
  const bool usable = read.status == project::ProjectReadStatus::Loaded;
  if (read.status == project::ProjectReadStatus::EmptyRow25) {
    // The file holds an element without its pressure loss: a new, empty project takes its place.
    projectPath_ = UntitledName();
    results_->ClearTable(projectPath_);
    projectSaved_ = true;
  } else if (usable) {
    // The cells are in the units the file names: show them so, and remember the choice.
    projectPath_ = path;
    results::DisplayOptions options = results_->DisplayOptions();
    options.us = read.appearance.us;
    results_->ClearTable(path);
    results_->SetDisplayOptions(options);
    settings_.display.us = options.us;
    results_->SetTable(read.table);  // without its cells the file still gives the title
    ApplyAppearance(read.appearance);
    results_->SetProjectPath(path);
    projectHeld_ = true;
    projectSaved_ = true;
  }
  // A file that cannot be used leaves the table and its saved state as they were.
  ShowMessages(this, messages);
}

}  // namespace velmora::gui
