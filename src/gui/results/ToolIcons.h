#pragma once

#include <QIcon>

class QStyle;

namespace velmora::gui {

// Pictures of the results window's tool buttons: the platform's standard pictures where one fits,
// small drawn symbols otherwise.
enum class ToolIcon {
  DeleteColumn,
  SaveProject,
  CopyTable,
  ColumnToInputs,
  ChangeColumn,
  ChangeTable,
  Print,
  NewProject,
  OpenProject,
  ColumnWidth,
  ZoomIn,
  ZoomOut,
  Font,
};

QIcon MakeToolIcon(ToolIcon icon, const QStyle* style);

}  // namespace velmora::gui
