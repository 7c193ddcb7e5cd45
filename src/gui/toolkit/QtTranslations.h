#pragma once

#include "text/Edition.h"

class QCoreApplication;
class QTranslator;

namespace velmora::gui {

// Lets Qt's own dialogs (file dialogs, message-box buttons, font dialog) speak the edition's
// language, from the translations Qt installs beside itself. Returns the installed translator
// (owned by the application), or nothing for English, Qt's own language, and when the
// translations are not installed: those dialogs then stay in English.
QTranslator* InstallQtTranslations(QCoreApplication& application, text::Edition edition);

}  // namespace velmora::gui
