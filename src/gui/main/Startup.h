#pragma once

#include <QString>

#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

// Loads the language texts from the program folder. When a text file is missing or damaged it
// says so in a message box and returns false: the program cannot start without its texts.
bool LoadTextsOrExplain(text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

// The message shown when the text files cannot be read (fixed: it cannot come from those files).
inline constexpr const char* kMissingTextFiles =
    "The files elemente.gru/varsonst.gru/varglob.gru are not available. It is not possible to start the program.";

}  // namespace velmora::gui
