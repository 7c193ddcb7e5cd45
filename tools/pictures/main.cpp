// velmora-pictures: renders the element drawings of data/pictures into the program folder.
//
//   velmora-pictures OUTPUT_DIR file1.svg file2.svg ...
//       writes OUTPUT_DIR/<stem>.bmp (240 x 160, 24 bit) for every drawing; the first drawing
//       that cannot be read, is not valid SVG or renders empty ends the run with exit code 1.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

#include "PictureRenderer.h"

int main(int argc, char* argv[]) {
  // Text needs a GUI application for its fonts, but no display: the build runs headless.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);

  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 3) {
    std::fprintf(stderr, "usage: velmora-pictures OUTPUT_DIR file1.svg file2.svg ...\n");
    return 1;
  }
  const QDir outputDir(arguments.at(1));
  if (!outputDir.exists() && !QDir().mkpath(outputDir.path())) {
    std::fprintf(stderr, "velmora-pictures: cannot create %s\n", qPrintable(outputDir.path()));
    return 1;
  }
  for (qsizetype i = 2; i < arguments.size(); ++i) {
    const QString& svgPath = arguments.at(i);
    const QString bmpPath = outputDir.filePath(QFileInfo(svgPath).completeBaseName() + QLatin1String(".bmp"));
    const QString failure = velmora::tools::RenderPicture(svgPath, bmpPath);
    if (!failure.isEmpty()) {
      std::fprintf(stderr, "velmora-pictures: %s\n", qPrintable(failure));
      return 1;
    }
  }
  return 0;
}
