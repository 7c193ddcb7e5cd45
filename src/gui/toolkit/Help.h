#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "text/TextStore.h"

class QBoxLayout;
class QDialogButtonBox;
class QPushButton;
class QWidget;

// The help of every window: F1 and a help button open the manual at the window's page. The
// manual's window registers itself as the viewer at start; without one (a window tested on its
// own) the help does nothing.
namespace velmora::gui {

// The text block of the manual's window; its "HelpBtn" is the caption of every help button.
inline constexpr std::string_view kHelpBlock = "HilfeFenster";

// Shows a page of the manual ("elements.html", "curve.html#range") for the window `from`.
using HelpViewer = std::function<void(QWidget* from, const QString& page)>;
void SetHelpViewer(HelpViewer viewer);

void ShowHelp(QWidget* from, const QString& page);

// Gives a window its help page: F1 on the window opens it and so does a help button, added at
// the end of `buttonRow` when one is given. The page stays on the window as its "helpPage"
// property. Returns the button, or nullptr without a row.
QPushButton* InstallHelp(QWidget& window, const text::TextStore& texts, const char* page,
                         QBoxLayout* buttonRow = nullptr);
QPushButton* InstallHelp(QWidget& window, const text::TextStore& texts, const char* page, QDialogButtonBox* buttons);

// The help page a window was given, empty when none.
QString HelpPageOf(const QWidget& window);

}  // namespace velmora::gui
