// Program entry: texts first (the program cannot speak without them), then the windows behind a
// splash, then the message loop.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "main/Startup.h"
#include "main/TMyWindow.h"
#include "main/TSplashScreen.h"
#include "text/GlobalTexts.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/QtTranslations.h"

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Velmora 6.0");

  // Data files are opened by bare name from the program folder; a project named on the command
  // line is found from the folder the program was started in.
  const QString startFolder = QDir::currentPath();
  const QString programFolder = QCoreApplication::applicationDirPath();
  QDir::setCurrent(programFolder);
  // The desktop finds the launcher and the icon of the installed package by this name.
  QGuiApplication::setDesktopFileName("org.velmora.Velmora");
  QApplication::setWindowIcon(QIcon(QDir(programFolder).filePath("velmora.png")));

  velmora::gui::InstallQtTranslations(application, VELMORA_EDITION_LETTER);
  velmora::text::TextStore texts(VELMORA_EDITION_LETTER);
  if (!velmora::gui::LoadTextsOrExplain(texts, programFolder)) return 1;
  QApplication::setApplicationName("Velmora 6.260");

  velmora::gui::TSplashScreen splash(
      "Velmora 6.260", velmora::gui::ToQString(texts.FormText(velmora::text::kMainWindowBlock, "Splash")));
  splash.show();
  QApplication::processEvents();

  velmora::gui::TMyWindow window(texts, programFolder);
  window.PrepareFirstShow(QApplication::arguments().mid(1), startFolder);
  window.show();
  splash.finish(&window);

  // VELMORA_STARTUP_REPORT=1 prints the time from process start to the shown window and quits:
  // how the start-up time is measured.
  if (qEnvironmentVariableIntValue("VELMORA_STARTUP_REPORT") == 1) {
    QTimer::singleShot(0, &application, [&] {
      std::fprintf(stderr, "main window shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
