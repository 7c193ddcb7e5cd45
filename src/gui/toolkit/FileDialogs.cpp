#include "toolkit/FileDialogs.h"

#include <QFileDialog>

namespace velmora::gui {
namespace {

FileDialogInterceptor& Interceptor() {
  static FileDialogInterceptor interceptor;
  return interceptor;
}

// "Description|pattern" as the file dialogs of the program were written, in Qt's form.
QString QtFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf('|');
  if (bar < 0) return filter;
  const QString description = filter.left(bar);
  const QString pattern = filter.mid(bar + 1);
  return description.contains(pattern) ? description : description + " (" + pattern + ")";
}

}  // namespace

void SetFileDialogInterceptor(FileDialogInterceptor interceptor) { Interceptor() = std::move(interceptor); }

QString ChooseFile(QWidget* parent, const FileDialogRequest& request) {
  if (Interceptor()) return Interceptor()(request);
  QFileDialog dialog(parent);
  dialog.setNameFilter(QtFilter(request.filter));
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (request.kind == FileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.suggestedName.isEmpty()) dialog.selectFile(request.suggestedName);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace velmora::gui
