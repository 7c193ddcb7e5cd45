#include "printing/Printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace velmora::gui {
namespace {

PrintDocument Pages(int count) {
  return {"Velmora", QPageLayout::Landscape, [count](QPrinter& printer, QPainter& painter) {
            for (int page = 0; page < count; ++page) {
              if (page > 0 && !printer.newPage()) return false;
              painter.drawText(100, 100, QString("Seite %1").arg(page + 1));
            }
            return true;
          }};
}

TEST(Printing, PdfWithoutAPrinter) {
  QTemporaryDir folder;
  const QString file = folder.filePath("drei.pdf");
  ASSERT_TRUE(PrintToPdf(file, Pages(3)));
  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 3) << "three pages";
  EXPECT_FALSE(PrintToPdf(folder.filePath("fehlt/neu.pdf"), Pages(1)));
}

TEST(Printing, TheDialogCanBeAnswered) {
  QString printed;
  SetPrintInterceptor([&](const PrintDocument& document) {
    printed = document.title;
    return true;
  });
  EXPECT_TRUE(PrintWithDialog(nullptr, Pages(1)));
  EXPECT_EQ(printed, "Velmora");
  SetPrintInterceptor({});
}

}  // namespace
}  // namespace velmora::gui
