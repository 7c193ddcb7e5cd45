// The range dialog and the curve window driven through their controls, headless: the computation,
// the drawing (painted into an image), the copied values, the pump curve, printing and saving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "TestTexts.h"
#include "curve/CurvePainter.h"
#include "curve/CurveText.h"
#include "curve/Pipelines.h"
#include "curve/TAnlagenkennlinie_Dlg.h"
#include "curve/TKurve.h"
#include "printing/Printing.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

class CurveWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      shown.push_back(message);
      return MessageAnswer::Ok;
    });
    // Two pipes of 50 m (DN 100 and DN 80) and 5 m uphill.
    table = curve::testing::Pipeline({{1, 1, {"100", "50"}}, {1, 1, {"80", "50"}}, {13, 1, {"5"}}}, German());
    source.table = &table;
    source.form = mainform::MainForm::Defaults('D');
    source.resultsCaption = "Ergebnistabelle - Anlage.vlm";
  }
  void TearDown() override {
    SetMessageInterceptor({});
    SetFileDialogInterceptor({});
    SetPrintInterceptor({});
  }

  template <typename T>
  T* Find(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // "Berechnen" in the range dialog with these fields; the curve it computed.
  std::optional<ComputedCurve> Compute(const QString& from, const QString& to, const QString& points) {
    dialog.Present(source);
    Find<QLineEdit>(dialog, "Edit_Von")->setText(from);
    Find<QLineEdit>(dialog, "Edit_Bis")->setText(to);
    Find<QLineEdit>(dialog, "Edit_Anzahl")->setText(points);
    Find<QPushButton>(dialog, "BitBtn1")->click();
    return dialog.TakeCurve();
  }

  // The curve window showing 0 … 60 m³/h.
  TKurve& Shown() {
    std::optional<ComputedCurve> computed = Compute("0", "60", "25");
    EXPECT_TRUE(computed);
    if (computed) window.ShowCurve(std::move(*computed), source);
    window.show();
    QApplication::processEvents();
    return window;
  }

  void TypePump(std::initializer_list<std::pair<const char*, const char*>> rows) {
    auto* table = Find<QTableWidget>(window, "PumpTable");
    int row = 0;
    for (const auto& [flow, head] : rows) {
      table->setItem(row, 0, new QTableWidgetItem(flow));
      table->setItem(row++, 1, new QTableWidgetItem(head));
    }
  }

  results::ResultsTable table;
  CurveSource source;
  std::vector<text::Message> shown;
  TAnlagenkennlinie_Dlg dialog{German()};
  TKurve window{German()};
};

TEST_F(CurveWindows, RangeDialogRefusesAndComputes) {
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_Von")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_Bis")->text(), "10");
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_Anzahl")->text(), "20");
  EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox1")->count(), 13);
  EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox1")->itemText(12), "gal/s");

  EXPECT_FALSE(Compute("eins", "10", "20"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().GlobalText(183) + "\n\"von\"!");
  EXPECT_EQ(shown[0].focus, "Edit_Von");

  shown.clear();
  EXPECT_FALSE(Compute("10", "5", "20"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().FormText(curve::kRangeDialogBlock, "msgRangeEmpty"));

  shown.clear();
  const std::optional<ComputedCurve> computed = Compute("0", "60", "1");
  ASSERT_TRUE(computed);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(computed->curve.points.size(), 10u);  // one point asks for the ten of the first showing
  // The range from 0 starts at the height difference alone: 998.2·9.81·5/10⁵ bar.
  EXPECT_NEAR(computed->curve.points.front().loss, 0.4896171L, 1e-9L);

  // A medium the main window cannot read is said as the main window says it; nothing is computed.
  source.form.density = "schwer";
  EXPECT_FALSE(Compute("0", "60", "20"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].focus, "Eingabe_Dichte");
}

TEST_F(CurveWindows, DiagramIsDrawnAndFollowsTheWindow) {
  TKurve& curveWindow = Shown();
  const curve::Diagram& diagram = curveWindow.CurrentDiagram();
  EXPECT_EQ(diagram.pressureTitle, "Druckverlust (bar)");
  EXPECT_EQ(diagram.flowTitle, "Volumenstrom (m³/h)");
  EXPECT_EQ(diagram.flowLabels.front(), "0");
  EXPECT_EQ(diagram.flowLabels.back(), "60");
  EXPECT_EQ(Find<QLabel>(curveWindow, "Label1")->text(), "Fördermedium: Wasser");

  auto* box = Find<QWidget>(curveWindow, "PaintBox1");
  const auto draw = [&] {
    const QImage image = box->grab().toImage();
    QPainter measure;
    QImage scratch(1, 1, QImage::Format_RGB32);
    measure.begin(&scratch);
    measure.setFont(box->font());
    const QRect frame = DiagramFrame(measure, QRectF(box->rect()).adjusted(4, 4, -4, -4), diagram).toRect();
    measure.end();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
      }
    }
    EXPECT_GT(red, frame.width()) << "the red curve runs across the frame";
    EXPECT_EQ(image.pixelColor(frame.left(), frame.top() + frame.height() / 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(frame.right() + 3, frame.top() + 3), QColor(Qt::white));
    return frame.width();
  };
  const int narrow = draw();
  curveWindow.resize(curveWindow.width() + 300, curveWindow.height() + 100);
  QApplication::processEvents();
  EXPECT_EQ(draw(), narrow + 300);
}

TEST_F(CurveWindows, CopyValuesAsShownInTheAxisUnit) {
  TKurve& curveWindow = Shown();
  Find<QPushButton>(curveWindow, "BitBtn3")->click();
  const QStringList lines = QApplication::clipboard()->text().split("\r\n");
  ASSERT_EQ(lines.size(), 27);  // heading, 25 points, the empty rest after the last CR LF
  EXPECT_EQ(lines[0], "Volumenstrom in m³/h\tDruckverlust in bar");
  EXPECT_EQ(lines[1], "0,000\t0,490");
  EXPECT_TRUE(lines[26].isEmpty());
}

TEST_F(CurveWindows, PumpCurveGivesTheOperatingPoint) {
  TKurve& curveWindow = Shown();
  // A pump of 30 m at shut-off falling to 10 m at 60 m³/h, in steps of a parabola.
  TypePump({{"0", "30"}, {"20", "27,778"}, {"40", "21,111"}, {"60", "10"}});
  Find<QPushButton>(curveWindow, "BtnApply")->click();
  ASSERT_TRUE(curveWindow.OperatingPoint());
  const curve::OperatingPoint point = *curveWindow.OperatingPoint();
  // The system loss and the pump's pressure agree at the operating point.
  const curve::LossUnit losses{false, 1, 998.2L};
  EXPECT_NEAR(losses.FromHead(point.head), point.loss, 1e-12L);
  EXPECT_GT(point.flow, 20);
  EXPECT_LT(point.flow, 60);
  EXPECT_TRUE(Find<QLabel>(curveWindow, "LabelOperatingPoint")->text().startsWith("Betriebspunkt:\nQ = "));
  EXPECT_TRUE(curveWindow.PageLines().back().startsWith("Betriebspunkt: Q = "));  // one line on the page
  EXPECT_FALSE(curveWindow.CurrentDiagram().pump.empty());
  EXPECT_TRUE(curveWindow.CurrentDiagram().operatingPoint);

  // A rising "pump" is refused and nothing of it is drawn.
  TypePump({{"0", "10"}, {"20", "20"}, {"40", "30"}, {"60", "40"}});
  Find<QPushButton>(curveWindow, "BtnApply")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().FormText(curve::kCurveWindowBlock, "msgPumpRising"));
  EXPECT_TRUE(curveWindow.CurrentDiagram().pump.empty());
  EXPECT_FALSE(curveWindow.OperatingPoint());

  // Pasted from a spreadsheet with its heading; a line that is no pair is refused as a whole.
  QApplication::clipboard()->setText("Q\tH\n0\t30\n30\t25\n60\t10\n");
  Find<QPushButton>(curveWindow, "BtnPaste")->click();
  EXPECT_TRUE(curveWindow.OperatingPoint());
  QApplication::clipboard()->setText("0\t30\n30\n");
  Find<QPushButton>(curveWindow, "BtnPaste")->click();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text.rfind(German().FormText(curve::kCurveWindowBlock, "msgPumpNotNumber"), 0), 0u);
  EXPECT_TRUE(curveWindow.OperatingPoint()) << "the table and its pump curve stay as they were";

  Find<QPushButton>(curveWindow, "BtnClear")->click();
  EXPECT_TRUE(curveWindow.CurrentDiagram().pump.empty());
}

TEST_F(CurveWindows, PrintsAndSavesThroughTheirDialogs) {
  TKurve& curveWindow = Shown();
  QTemporaryDir folder;
  QString pdf;
  PrintDocument printed;
  SetPrintInterceptor([&](const PrintDocument& document) {
    printed = document;
    pdf = folder.filePath("kurve.pdf");
    return PrintToPdf(pdf, document);
  });
  EXPECT_TRUE(curveWindow.PrintDiagram());
  EXPECT_EQ(printed.title, "Druckverlust Ergebnistabelle - Anlage.vlm");
  EXPECT_EQ(printed.orientation, QPageLayout::Landscape);
  QFile pdfFile(pdf);
  ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF-"));

  QString answer;
  std::vector<FileDialogRequest> asked;
  SetFileDialogInterceptor([&](const FileDialogRequest& request) {
    asked.push_back(request);
    return answer;
  });
  answer = folder.filePath("kurve.png");
  ASSERT_TRUE(curveWindow.SavePng());
  EXPECT_EQ(asked.back().kind, FileDialogKind::Save);
  EXPECT_EQ(asked.back().filter, "PNG-Grafik (*.png)|*.png");
  EXPECT_EQ(QImage(answer).size(), QSize(1200, 800));

  answer = folder.filePath("kurve.svg");
  ASSERT_TRUE(curveWindow.SaveSvg());
  QFile svg(answer);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));

  answer = folder.filePath("kurve.csv");
  ASSERT_TRUE(curveWindow.SaveCsv());
  QFile csv(answer);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = csv.readAll().split('\n');
  EXPECT_EQ(lines[0], "Volumenstrom in m³/h,Druckverlust in bar");
  EXPECT_EQ(lines[1], "0,0.4896171");
  EXPECT_EQ(lines.size(), 27);

  // A file that cannot be written is said so; nothing is left behind.
  answer = folder.filePath("fehlt/kurve.png");
  EXPECT_FALSE(curveWindow.SavePng());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().FormText(curve::kCurveWindowBlock, "msgExportFailed"));
  EXPECT_FALSE(QFile::exists(answer));
  // Cancelled: nothing happens.
  answer.clear();
  EXPECT_FALSE(curveWindow.SaveCsv());
  EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
}  // namespace velmora::gui
