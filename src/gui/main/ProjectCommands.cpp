// The project commands of the main window: the core's rules on the window's session, answered
// with the window's dialogs; afterwards the windows show the project as it is.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "main/TMyWindow.h"
#include "results/TAusgabe_Fenster.h"
#include "text/GlobalTexts.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

namespace fs = std::filesystem;

QString ProjectFilter(text::Edition edition) {
  switch (edition) {
    case 'H': return "projectbestanden (*.vlm)|*.vlm";
    case 'E': return "Project files (*.vlm)|*.vlm";
    case 'F': return "Project fichiers (*.vlm)|*.vlm";
    default: return "Projektdateien (*.vlm)|*.vlm";
  }
}

// The save dialog adds the extension in capitals, as the program always did.
constexpr const char* kProjectSuffix = "VLM";

fs::path PathOf(const QString& file) { return fs::path(file.toStdU16String()); }
QString TextOf(const fs::path& path) { return QString::fromStdU16String(path.u16string()); }

std::optional<fs::path> Chosen(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  return PathOf(file);
}

// The window's message boxes and file dialogs, as the project commands ask for them.
class WindowDialogs final : public project::ProjectDialogs {
 public:
  WindowDialogs(QWidget& window, text::Edition edition) : window_(window), filter_(ProjectFilter(edition)) {}

  text::MessageAnswer Ask(const text::Message& question, text::MessageButtons buttons,
                          text::MessageAnswer preselected) override {
    return ShowMessage(&window_, question, buttons, preselected);
  }
  void Show(const text::Messages& messages) override { ShowMessages(&window_, messages); }
  std::optional<fs::path> ChooseFileToOpen() override {
    return Chosen(ChooseFile(&window_, {FileDialogKind::Open, filter_, kProjectSuffix, {}}));
  }
  std::optional<fs::path> ChooseFileToSave(const std::optional<fs::path>& current) override {
    return Chosen(
        ChooseFile(&window_, {FileDialogKind::Save, filter_, kProjectSuffix, current ? TextOf(*current) : QString()}));
  }

 private:
  QWidget& window_;
  QString filter_;
};

}  // namespace

std::unique_ptr<project::ProjectDialogs> TMyWindow::MakeProjectDialogs() {
  return std::make_unique<WindowDialogs>(*this, texts_.edition());
}

project::ProjectContext TMyWindow::ProjectContext() { return {session_, *projectDialogs_, texts_}; }

bool TMyWindow::RunProjectCommand(const std::function<bool(const project::ProjectContext&)>& command) {
  // A save writes the grid's look and the display units as the user sees them now.
  results_->StoreLook(session_.Appearance());
  session_.Appearance().us = results_->DisplayOptions().us;
  const unsigned generation = session_.Generation();
  const bool done = command(ProjectContext());
  ShowProject(session_.Generation() != generation);
  return done;
}

std::optional<QString> TMyWindow::ProjectPath() const {
  if (!session_.Path()) return std::nullopt;
  return TextOf(*session_.Path());
}

QString TMyWindow::ProjectCaption() const {
  const std::optional<QString> path = ProjectPath();
  if (!path) return ToQString(texts_.GlobalText(text::global::kUntitled));
  QString caption = settings_.display.captionShowsPath ? *path : QFileInfo(*path).fileName();
  if (session_.ReadOnly()) caption += ToQString(texts_.FormText(text::kMainWindowBlock, "capReadOnly"));
  return caption;
}

void TMyWindow::ShowProject(bool tableReplaced) {
  if (tableReplaced) {
    // A project brings its own display units: its cells are shown as they are, and the choice is
    // remembered with the settings.
    settings_.display.us = session_.Appearance().us;
    results_->ShowReplacedTable(settings_.display);
    results_->ApplyLook(session_.Appearance());
  }
  results_->setWindowTitle(ProjectCaption());
}

bool TMyWindow::NewProject() { return RunProjectCommand(project::NewProject); }

bool TMyWindow::OpenProject() {
  const bool opened = RunProjectCommand([](const project::ProjectContext& c) { return project::OpenProject(c); });
  if (opened) RememberOpened();
  return opened;
}

bool TMyWindow::OpenProjectFile(const QString& path) {
  return RunProjectCommand(
      [&](const project::ProjectContext& context) { return project::OpenProjectFile(context, PathOf(path), false); });
}

bool TMyWindow::OpenRecent(const QString& caption) {
  const std::string path = recent_.FileFor(ToStdString(caption), ToStdString(QDir::currentPath()));
  if (path.empty()) return false;
  return RunProjectCommand([&](const project::ProjectContext& context) {
    return project::OpenProjectFile(context, PathOf(ToQString(path)), true);
  });
}

bool TMyWindow::SaveProject() {
  return RunProjectCommand([](const project::ProjectContext& c) { return project::SaveProject(c); });
}

bool TMyWindow::SaveProjectAs() { return RunProjectCommand(project::SaveProjectAs); }

void TMyWindow::RememberOpened() {
  recent_.Add(ToStdString(QFileInfo(*ProjectPath()).absoluteFilePath()));
  RebuildRecentMenu();
}

void TMyWindow::RebuildRecentMenu() {
  QMenu& file = commands_.Menu("Datei1");
  for (QAction* action : recentActions_) {
    file.removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  const std::vector<std::string> captions = recent_.MenuCaptions(ToStdString(QDir::currentPath()));
  if (captions.empty()) return;
  // The entries stand between two separators right after "Save as".
  const QList<QAction*> items = file.actions();
  const qsizetype saveAs = items.indexOf(&commands_["Speichernunter1"]);
  QAction* before = saveAs + 1 < items.size() ? items[saveAs + 1] : nullptr;
  const auto separator = [&] {
    auto* line = new QAction(&file);
    line->setSeparator(true);
    file.insertAction(before, line);
    recentActions_.push_back(line);
  };
  separator();
  for (std::size_t n = 0; n < captions.size(); ++n) {
    auto* entry = new QAction(ToQString(captions[n]), &file);
    entry->setObjectName(QString("RecentFile%1").arg(n));
    connect(entry, &QAction::triggered, this, [this, entry] { OpenRecent(entry->text()); });
    file.insertAction(before, entry);
    recentActions_.push_back(entry);
  }
  separator();
}

}  // namespace velmora::gui
