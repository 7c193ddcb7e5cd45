#pragma once

class QWidget;

namespace velmora::gui {

// Prints a window as it is shown, as a picture under its caption (centred, 12 point), through the
// printer dialog; false when cancelled or failed.
bool PrintDialogPicture(QWidget* window);

}  // namespace velmora::gui
