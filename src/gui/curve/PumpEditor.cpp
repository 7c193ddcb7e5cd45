#include "curve/PumpEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "curve/CurveText.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kRows = 10;
constexpr const char* kMetre = "m";

QString Cell(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item != nullptr ? item->text().trimmed() : QString();
}

}  // namespace

PumpEditor::PumpEditor(const text::TextStore& texts, QWidget* parent) : QGroupBox(parent), texts_(texts) {
  setObjectName("GroupPump");
  hint_ = MakeLabel(this, "LabelPump");
  hint_->setWordWrap(true);
  table_ = new QTableWidget(kRows, 2, this);
  table_->setObjectName("PumpTable");
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  unitLabel_ = MakeLabel(this, "LabelHeadUnit");
  unit_ = MakeCombo(this, "ComboHeadUnit");
  unit_->addItem(kMetre);
  unit_->addItem("bar");
  paste_ = new QPushButton(this);
  paste_->setObjectName("BtnPaste");
  apply_ = new QPushButton(this);
  apply_->setObjectName("BtnApply");
  clear_ = new QPushButton(this);
  clear_->setObjectName("BtnClear");
  result_ = MakeLabel(this, "LabelOperatingPoint");
  result_->setWordWrap(true);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(unitLabel_);
  unitRow->addWidget(unit_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint_);
  layout->addWidget(table_, 1);
  layout->addLayout(unitRow);
  layout->addWidget(paste_);
  layout->addWidget(apply_);
  layout->addWidget(clear_);
  layout->addWidget(result_);

  connect(paste_, &QPushButton::clicked, this, &PumpEditor::PasteRequested);
  connect(apply_, &QPushButton::clicked, this, &PumpEditor::ApplyRequested);
  connect(clear_, &QPushButton::clicked, this, &PumpEditor::ClearRequested);
  connect(unit_, &QComboBox::currentIndexChanged, this, &PumpEditor::UpdateHeadings);
  ApplyTexts();
}

void PumpEditor::ApplyTexts() {
  const auto text = [this](const char* key) { return ToQString(texts_.FormText(curve::kCurveWindowBlock, key)); };
  setTitle(text("GroupPump"));
  hint_->setText(text("LabelPump"));
  unitLabel_->setText(text("LabelHeadUnit"));
  paste_->setText(text("BtnPaste"));
  apply_->setText(text("BtnApply"));
  clear_->setText(text("BtnClear"));
  UpdateHeadings();
}

void PumpEditor::SetUnits(const QString& flowUnit, const QString& axisUnit) {
  flowUnit_ = flowUnit;
  unit_->setItemText(1, axisUnit);
  UpdateHeadings();
}

void PumpEditor::UpdateHeadings() {
  const auto text = [this](const char* key) { return texts_.FormText(curve::kCurveWindowBlock, key); };
  const bool metres = unit_->currentIndex() != 1;
  // Each word and the unit on a line of its own: the panel is narrow.
  const auto heading = [](const std::string& word, const QString& unit) {
    return ToQString(word).replace(' ', '\n') + "\n(" + unit + ")";
  };
  table_->setHorizontalHeaderLabels({heading(text("wFlow"), flowUnit_),
                                     heading(text(metres ? "wHead" : "wLoss"), metres ? kMetre : unit_->itemText(1))});
}

std::string PumpEditor::TableText() const {
  QString text;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QString flow = Cell(table_, row, 0);
    const QString head = Cell(table_, row, 1);
    if (!flow.isEmpty() || !head.isEmpty()) text += flow + "\t" + head;
    text += "\n";
  }
  return ToStdString(text);
}

void PumpEditor::Fill(const std::vector<curve::PumpPoint>& points) {
  table_->clearContents();
  table_->setRowCount(std::max(kRows, static_cast<int>(points.size()) + 1));
  const text::Edition edition = texts_.edition();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int row = static_cast<int>(i);
    // Shown as typed numbers are shown: the edition's decimal sign, no needless digits.
    const auto shown = [edition](long double value) {
      QString text = ToQString(curve::FullPrecision(value));
      if (text::DecimalSeparator(edition) == ',') text.replace('.', ',');
      return text;
    };
    table_->setItem(row, 0, new QTableWidgetItem(shown(points[i].flow)));
    table_->setItem(row, 1, new QTableWidgetItem(shown(points[i].head)));
  }
}

curve::HeadUnit PumpEditor::Unit() const {
  return unit_->currentIndex() == 1 ? curve::HeadUnit::AxisUnit : curve::HeadUnit::Metre;
}

void PumpEditor::ShowResult(const QString& text) {
  resultLine_ = text;
  // One quantity a line, so that no unit is broken in two.
  QString shown = text;
  result_->setText(shown.replace(", ", "\n").replace(": Q", ":\nQ"));
}

QString PumpEditor::Result() const { return resultLine_; }

}  // namespace velmora::gui
