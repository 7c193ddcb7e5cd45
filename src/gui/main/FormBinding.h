#pragma once

#include "mainform/MainForm.h"

class QWidget;

namespace velmora::gui {

// The inputs of the main window's controls (found by name under `window`) as a MainForm, and the
// way back. The element (group and kind) is the window's own and is not touched here.
mainform::MainForm ReadControls(const QWidget& window);
// Writes every input in the order of the field list, so that a list whose entries depend on a
// kind is rebuilt before its entry is chosen.
void WriteControls(QWidget& window, const mainform::MainForm& form);

}  // namespace velmora::gui
