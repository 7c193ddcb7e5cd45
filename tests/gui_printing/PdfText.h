#pragma once

#include <gtest/gtest.h>
#include <QProcess>
#include <QString>

namespace velmora::gui {

// What poppler's tools read from a PDF: the text of one page, or pdfinfo's report.
inline QString RunPoppler(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed (poppler-utils installed?)";
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PageText(const QString& pdf, int page) {
  const QString number = QString::number(page);
  return RunPoppler("pdftotext", {"-f", number, "-l", number, "-layout", pdf, "-"});
}

// "Pages: 3" and "Page size: 842 x 595 pts (A4)" of pdfinfo.
inline QString PdfInfo(const QString& pdf, const QString& field) {
  for (const QString& line : RunPoppler("pdfinfo", {pdf}).split('\n')) {
    if (line.startsWith(field + ":")) return line.mid(field.size() + 1).trimmed();
  }
  return {};
}

}  // namespace velmora::gui
