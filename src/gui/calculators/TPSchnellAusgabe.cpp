#include "calculators/TPSchnellAusgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "printing/Printing.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kRowHeight = 22;

QTableWidget* MakeGrid(QWidget* parent, const char* name, int rows, int columns) {
  auto* grid = new QTableWidget(rows, columns, parent);
  grid->setObjectName(name);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->setFocusPolicy(Qt::NoFocus);
  return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const std::string& text, bool right, bool heading) {
  auto* item = new QTableWidgetItem(ToQString(text));
  if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (heading) {
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
  }
  grid->setItem(row, column, item);
}

// A grid exactly as high as its rows: no empty space below the last one.
void FitHeight(QTableWidget* grid) { grid->setFixedHeight(grid->rowCount() * kRowHeight + 2 * grid->frameWidth()); }

}  // namespace

TPSchnellAusgabe::TPSchnellAusgabe(const text::TextStore& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName("PSchnellAusgabe");
  setWindowTitle(Text("Caption"));
  auto* layout = new QVBoxLayout(this);
  lines_ = MakeGrid(this, "StringGrid1", 15, 3);
  totals_ = MakeGrid(this, "StringGrid2", 4, 2);
  FitHeight(lines_);
  FitHeight(totals_);
  layout->addWidget(lines_);
  layout->addWidget(totals_);
  layout->addStretch();
  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton(Text("PrintBtn"), this);
  print->setObjectName("BitBtn2");
  auto* copy = new QPushButton(Text("CopyBtn"), this);
  copy->setObjectName("BitBtn3");
  auto* close = new QPushButton(Text("CloseBtn"), this);
  close->setObjectName("BitBtn1");
  close->setDefault(true);
  buttons->addWidget(print);
  buttons->addWidget(copy);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kPumpDesignResults, buttons);
  connect(print, &QPushButton::clicked, this, &TPSchnellAusgabe::BitBtn2Click);
  connect(copy, &QPushButton::clicked, this, &TPSchnellAusgabe::BitBtn3Click);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  resize(680, sizeHint().height());
}

QString TPSchnellAusgabe::Text(std::string_view key) const {
  return ToQString(texts_.FormText(calculators::kPumpResultBlock, key));
}

void TPSchnellAusgabe::ShowResults(const calculators::PumpDesignForm& form, const calculators::PumpResultTexts& shown) {
  form_ = form;
  shown_ = shown;
  for (int r = 0; r < 15; ++r) {
    for (int c = 0; c < 3; ++c)
      // The column headings (row 0) and the heading of the pressure changes (row 2) stand out.
      SetCell(lines_, r, c, shown.lines[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], c > 0,
              r == 0 || r == 2);
  }
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 2; ++c)
      SetCell(totals_, r, c, shown.totals[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], c > 0, false);
  }
  FitColumns();
}

void TPSchnellAusgabe::FitColumns() {
  // Both sides' values get the same width, the names the rest; the totals' values stand under the
  // pressure side's.
  const int width = lines_->viewport()->width();
  const int value = width * 22 / 100;
  lines_->setColumnWidth(0, width - 2 * value);
  lines_->setColumnWidth(1, value);
  lines_->setColumnWidth(2, value);
  totals_->setColumnWidth(0, totals_->viewport()->width() - value);
  totals_->setColumnWidth(1, value);
}

void TPSchnellAusgabe::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FitColumns();
}

void TPSchnellAusgabe::showEvent(QShowEvent* event) {
  // The grids have their final width only now: shares computed before would be those of a
  // window never laid out.
  QDialog::showEvent(event);
  FitColumns();
}

void TPSchnellAusgabe::BitBtn3Click() {
  QApplication::clipboard()->setText(ToQString(calculators::PumpResultClipboard(form_, shown_, texts_)));
}

bool TPSchnellAusgabe::BitBtn2Click() {
  PrintDocument document;
  document.title = Text("Caption");
  document.paint = [this](QPrinter& printer, QPainter& painter) {
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font("Arial", 10);
    painter.setFont(font);
    const qreal line = painter.fontMetrics().height() * 1.4;
    const qreal width = page.width();
    qreal y = line;
    QFont title = font;
    title.setPointSize(13);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QPointF(0, y), Text("Caption") + ": " + ToQString(form_.pump));
    painter.setFont(font);
    y += line * 1.5;
    const auto row = [&](std::initializer_list<std::pair<std::string, qreal>> cells) {
      for (const auto& [text, x] : cells) painter.drawText(QPointF(x * width, y), ToQString(text));
      y += line;
    };
    for (const calculators::PumpSummaryLine& s : calculators::PumpSummary(form_, texts_))
      row({{s.label, 0}, {s.unit, 0.35}, {s.value, 0.55}});
    y += line;
    for (const auto& l : shown_.lines) row({{l[0], 0}, {l[1], 0.6}, {l[2], 0.8}});
    y += line;
    for (const auto& t : shown_.totals) row({{t[0], 0}, {t[1], 0.6}});
    return true;
  };
  return PrintWithDialog(this, document);
}

}  // namespace velmora::gui
