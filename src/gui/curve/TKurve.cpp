#include "curve/TKurve.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "curve/CurveExport.h"
#include "curve/CurveMessages.h"
#include "curve/CurvePainter.h"
#include "curve/CurveText.h"
#include "curve/CurveUnits.h"
#include "curve/PumpEditor.h"
#include "help/HelpTopics.h"
#include "printing/Printing.h"
#include "text/GlobalTexts.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/UnitLists.h"

namespace velmora::gui {

// The diagram on the screen; it follows the window's size.
class CurvePaintBox : public QWidget {
 public:
  CurvePaintBox(const curve::Diagram& diagram, QWidget* parent) : QWidget(parent), diagram_(diagram) {
    setObjectName("PaintBox1");
    setMinimumSize(420, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    PaintDiagram(painter, QRectF(rect()).adjusted(4, 4, -4, -4), diagram_);
  }

 private:
  const curve::Diagram& diagram_;
};

namespace {

// Saved pictures and the printed page are laid out in these logical pixels.
const QSize kPictureSize(1200, 800);
constexpr int kPagePixelFont = 13;
constexpr qreal kPageMargin = 10;
// Logical pixels per inch: the printer's resolution is scaled to these.
constexpr qreal kLogicalDpi = 96;

}  // namespace

TKurve::TKurve(const text::TextStore& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName("Kurve");
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);

  auto* top = new QWidget(this);
  top->setObjectName("Panel1");
  auto* mediumLayout = new QGridLayout(top);
  mediumLayout->setContentsMargins(0, 0, 0, 0);
  mediumLayout->setHorizontalSpacing(40);
  const char* const names[] = {"Label1", "Label2", "Label3", "Label4"};
  for (int i = 0; i < 4; ++i) {
    medium_[i] = new QLabel(top);
    medium_[i]->setObjectName(names[i]);
    medium_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mediumLayout->addWidget(medium_[i], i % 2, i / 2);
  }
  mediumLayout->setColumnStretch(2, 1);

  paintBox_ = new CurvePaintBox(diagram_, this);
  pumpEditor_ = new PumpEditor(texts_, this);
  pumpEditor_->setFixedWidth(280);
  auto* middle = new QHBoxLayout;
  middle->addWidget(paintBox_, 1);
  middle->addWidget(pumpEditor_);

  const auto button = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  ok_ = button("BitBtn1");
  print_ = button("BitBtn2");
  copy_ = button("BitBtn3");
  png_ = button("BtnPng");
  svg_ = button("BtnSvg");
  csv_ = button("BtnCsv");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addStretch();
  for (QPushButton* b : {print_, copy_, png_, svg_, csv_}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(top);
  layout->addLayout(middle, 1);
  InstallHelp(*this, texts, help::topic::kCurve, buttons);
  layout->addLayout(buttons);
  resize(1000, 640);

  connect(ok_, &QPushButton::clicked, this, &QDialog::close);
  connect(print_, &QPushButton::clicked, this, &TKurve::PrintDiagram);
  connect(copy_, &QPushButton::clicked, this, &TKurve::CopyValues);
  connect(png_, &QPushButton::clicked, this, &TKurve::SavePng);
  connect(svg_, &QPushButton::clicked, this, &TKurve::SaveSvg);
  connect(csv_, &QPushButton::clicked, this, &TKurve::SaveCsv);
  connect(pumpEditor_, &PumpEditor::ApplyRequested, this, &TKurve::ApplyPump);
  connect(pumpEditor_, &PumpEditor::PasteRequested, this, &TKurve::PastePump);
  connect(pumpEditor_, &PumpEditor::ClearRequested, this, &TKurve::ClearPump);
  ApplyTexts();
}

TKurve::~TKurve() = default;

QString TKurve::Text(const char* key) const { return ToQString(texts_.FormText(curve::kCurveWindowBlock, key)); }

void TKurve::ApplyTexts() {
  setWindowTitle(Text("Caption"));
  ok_->setText(Text("BitBtn1"));
  print_->setText(Text("BitBtn2"));
  copy_->setText(Text("BitBtn3"));
  png_->setText(Text("BtnPng"));
  svg_->setText(Text("BtnSvg"));
  csv_->setText(Text("BtnCsv"));
  pumpEditor_->ApplyTexts();
}

void TKurve::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
}

void TKurve::closeEvent(QCloseEvent* event) {
  // The points live as long as the window shows them.
  computed_.reset();
  pump_.reset();
  operating_.reset();
  diagram_ = {};
  QDialog::closeEvent(event);
}

QString TKurve::FlowUnit() const {
  if (!computed_) return {};
  return ToQString(std::string(units::UnitName(curve::CurveFlowUnits(), computed_->request.flowUnit)));
}

curve::LossUnit TKurve::Losses() const {
  curve::LossUnit losses;
  if (!computed_) return losses;
  losses.psi = computed_->request.psi;
  losses.axisScale =
      curve::ChoosePressureUnit(computed_->curve.smallestLoss, computed_->curve.largestLoss, losses.psi).scale;
  if (const auto medium = curve::CurveOperatingData(source_.form, texts_).input) losses.density = medium->Density;
  return losses;
}

void TKurve::ShowCurve(ComputedCurve computed, const CurveSource& source) {
  const bool hadPump = pump_.has_value();
  computed_ = std::move(computed);
  source_ = source;
  pump_.reset();
  operating_.reset();
  pumpEditor_->ShowResult({});
  const std::vector<std::string> lines = curve::MediumLines(source_.form, texts_);
  for (std::size_t i = 0; i < 4; ++i) medium_[i]->setText(ToQString(lines[i]));
  Rebuild();
  pumpEditor_->SetUnits(FlowUnit(), diagram_.pressure.unit.name);
  // A pump curve applied to the last curve goes on to the new one when it still fits.
  if (hadPump) {
    const curve::PumpPoints read = curve::ParsePumpLines(pumpEditor_->TableText(), false);
    const curve::PumpFit fit = curve::FitPumpCurve(read.points, pumpEditor_->Unit(), Losses());
    if (read.problem == curve::PumpProblem::None && fit.curve) ApplyPump();
  }
}

void TKurve::Rebuild() {
  if (!computed_) {
    diagram_ = {};
  } else {
    const curve::PumpOverlay overlay{pump_.value_or(curve::PumpCurve{}), operating_};
    diagram_ = curve::MakeDiagram(computed_->curve, ToStdString(FlowUnit()), computed_->request.psi,
                                  pump_ ? &overlay : nullptr, texts_);
  }
  paintBox_->update();
}

QStringList TKurve::PageLines() const {
  QStringList lines;
  for (const QLabel* label : medium_) lines << label->text();
  if (pump_) lines << pumpEditor_->Result();
  return lines;
}

void TKurve::PaintPage(QPainter& painter, const QRectF& page) const {
  QFont font(source_.gridFont.family());
  font.setPixelSize(kPagePixelFont);
  painter.setFont(font);
  PaintCurvePage(painter, page.adjusted(kPageMargin, kPageMargin, -kPageMargin, -kPageMargin), PageLines(), diagram_);
}

void TKurve::CopyValues() {
  if (!computed_) return;
  QApplication::clipboard()->setText(
      ToQString(curve::CopyValuesText(computed_->curve, diagram_.pressure.unit, ToStdString(FlowUnit()), texts_)));
}

bool TKurve::PrintDiagram() {
  if (!computed_) return false;
  PrintDocument document;
  document.title = Text("wLoss") + " " + source_.resultsCaption;
  document.orientation = QPageLayout::Landscape;
  document.paint = [this](QPrinter& printer, QPainter& painter) {
    const qreal scale = printer.resolution() / kLogicalDpi;
    painter.scale(scale, scale);
    PaintPage(painter, QRectF(QPointF(0, 0), QSizeF(printer.pageRect(QPrinter::DevicePixel).size()) / scale));
    return true;
  };
  return PrintWithDialog(this, document);
}

void TKurve::ExportFailed() {
  ShowMessage(this, {texts_.FormText(curve::kCurveWindowBlock, "msgExportFailed"),
                     texts_.GlobalText(text::global::kFileCaption),
                     text::MessageIcon::Error,
                     {}});
}

bool TKurve::SavePng() {
  if (!computed_) return false;
  const QString path = ChooseFile(this, {FileDialogKind::Save, Text("filterPng"), "png", {}});
  if (path.isEmpty()) return false;
  const bool written =
      WritePngFile(path, kPictureSize, [this](QPainter& painter, const QRectF& page) { PaintPage(painter, page); });
  if (!written) ExportFailed();
  return written;
}

bool TKurve::SaveSvg() {
  if (!computed_) return false;
  const QString path = ChooseFile(this, {FileDialogKind::Save, Text("filterSvg"), "svg", {}});
  if (path.isEmpty()) return false;
  const bool written = WriteSvgFile(path, kPictureSize, windowTitle(),
                                    [this](QPainter& painter, const QRectF& page) { PaintPage(painter, page); });
  if (!written) ExportFailed();
  return written;
}

bool TKurve::SaveCsv() {
  if (!computed_) return false;
  const QString path = ChooseFile(this, {FileDialogKind::Save, Text("filterCsv"), "csv", {}});
  if (path.isEmpty()) return false;
  const auto word = [this](const char* key) { return texts_.FormText(curve::kCurveWindowBlock, key); };
  const std::string flowUnit = ToStdString(FlowUnit());
  const std::string axisUnit = diagram_.pressure.unit.name;
  const long double scale = diagram_.pressure.unit.scale;
  std::vector<curve::CsvSection> sections = {
      curve::PointsSection(computed_->curve, scale, curve::QuantityInUnit(word("wFlow"), flowUnit, texts_),
                           curve::QuantityInUnit(word("wLoss"), axisUnit, texts_))};
  if (pump_) {
    const std::string lead = word("wOperatingPoint") + ": ";
    sections.push_back(curve::OperatingPointSection(operating_, scale,
                                                    {lead + curve::QuantityInUnit(word("wFlow"), flowUnit, texts_),
                                                     lead + curve::QuantityInUnit(word("wLoss"), axisUnit, texts_),
                                                     lead + curve::QuantityInUnit(word("wHead"), "m", texts_)}));
  }
  const std::string csv = curve::WriteCsv(sections);
  const bool written = WriteFileBytes(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
  if (!written) ExportFailed();
  return written;
}

bool TKurve::ApplyPump() {
  if (!computed_) return false;
  pump_.reset();
  operating_.reset();
  pumpEditor_->ShowResult({});
  const curve::PumpPoints read = curve::ParsePumpLines(pumpEditor_->TableText(), false);
  curve::PumpProblem problem = read.problem;
  std::optional<curve::PumpCurve> fitted;
  if (problem == curve::PumpProblem::None) {
    const curve::PumpFit fit = curve::FitPumpCurve(read.points, pumpEditor_->Unit(), Losses());
    problem = fit.problem;
    fitted = fit.curve;
  }
  if (!fitted) {
    Rebuild();  // no pump curve is drawn, not even the last one
    if (const auto message = curve::PumpMessage(problem, read, texts_)) ShowMessage(this, *message);
    return false;
  }
  pump_ = fitted;
  operating_ = curve::FindOperatingPoint(computed_->curve, *pump_, Losses());
  Rebuild();
  pumpEditor_->ShowResult(
      ToQString(curve::OperatingPointText(operating_, ToStdString(FlowUnit()), diagram_.pressure.unit, texts_)));
  return true;
}

void TKurve::PastePump() {
  const curve::PumpPoints read = curve::ParsePumpLines(ToStdString(QApplication::clipboard()->text()));
  if (read.problem != curve::PumpProblem::None) {
    if (const auto message = curve::PumpMessage(read.problem, read, texts_)) ShowMessage(this, *message);
    return;
  }
  pumpEditor_->Fill(read.points);
  ApplyPump();
}

void TKurve::ClearPump() {
  pump_.reset();
  operating_.reset();
  pumpEditor_->Fill({});
  pumpEditor_->ShowResult({});
  Rebuild();
}

}  // namespace velmora::gui
