#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora::gui {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  QString filter;         // "Projektdateien (*.vlm)|*.vlm": description, bar, pattern
  QString defaultSuffix;  // without the dot, e.g. "VLM"
  QString suggestedName;
};

// The open and save dialogs of every window. Returns the chosen file, empty when cancelled. The
// save dialog asks before it overwrites a file.
QString ChooseFile(QWidget* parent, const FileDialogRequest& request);

// Tests answer the dialogs with a function instead.
using FileDialogInterceptor = std::function<QString(const FileDialogRequest&)>;
void SetFileDialogInterceptor(FileDialogInterceptor interceptor);

}  // namespace velmora::gui
