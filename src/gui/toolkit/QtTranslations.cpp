#include "toolkit/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora::gui {
namespace {

const char* LanguageCode(text::Edition edition) {
  switch (edition) {
    case 'D': return "de";
    case 'F': return "fr";
    case 'H': return "nl";
    default: return "en";  // Qt's own language
  }
}

}  // namespace

QTranslator* InstallQtTranslations(QCoreApplication& application, text::Edition edition) {
  if (edition == 'E') return nullptr;
  auto* translator = new QTranslator(&application);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QString("qtbase_") + LanguageCode(edition), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace velmora::gui
