// velmora-pictures: renders the element drawings of data/pictures into the program folder.
//
//   velmora-pictures OUTPUT_DIR file1.svg file2.svg ...
//       writes OUTPUT_DIR/<stem>.bmp (240 x 160, 24 bit) for every drawing; the first drawing
//       that cannot be read, is not valid SVG or renders empty ends the run with exit code 1.
//   velmora-pictures --png WIDTHxHEIGHT OUTPUT_DIR file1.svg file2.svg ...
//       writes OUTPUT_DIR/<stem>.png of that size on a transparent canvas instead.

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

  QStringList arguments = QGuiApplication::arguments();
  QSize pngSize;  // empty: BMP pictures of the element panel
  bool badSize = false;
  if (arguments.size() > 2 && arguments.at(1) == QLatin1String("--png")) {
    const QStringList size = arguments.at(2).split(QLatin1Char('x'));
    if (size.size() == 2) pngSize = QSize(size.at(0).toInt(), size.at(1).toInt());
    badSize = pngSize.isEmpty();
    arguments.remove(1, 2);
  }
  if (arguments.size() < 3 || badSize) {
    std::fprintf(stderr, "usage: velmora-pictures [--png WIDTHxHEIGHT] OUTPUT_DIR file1.svg file2.svg ...\n");
    return 1;
  }
  const QDir outputDir(arguments.at(1));
  if (!outputDir.exists() && !QDir().mkpath(outputDir.path())) {
    std::fprintf(stderr, "velmora-pictures: cannot create %s\n", qPrintable(outputDir.path()));
    return 1;
  }
  for (qsizetype i = 2; i < arguments.size(); ++i) {
    const QString& svgPath = arguments.at(i);
    const QString stem = QFileInfo(svgPath).completeBaseName();
    const QString failure =
        pngSize.isEmpty()
            ? velmora::tools::RenderPicture(svgPath, outputDir.filePath(stem + QLatin1String(".bmp")))
            : velmora::tools::RenderPng(svgPath, outputDir.filePath(stem + QLatin1String(".png")), pngSize);
    if (!failure.isEmpty()) {
      std::fprintf(stderr, "velmora-pictures: %s\n", qPrintable(failure));
      return 1;
    }
  }
  return 0;
}
