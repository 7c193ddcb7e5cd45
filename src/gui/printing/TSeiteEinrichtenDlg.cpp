#include "printing/TSeiteEinrichtenDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "printing/PageSetup.h"
#include "printing/PaperSizes.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

using printing::kPageSetupBlock;

QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(minimum, maximum);
  return spin;
}

template <typename T>
T* Named(QWidget* parent, const char* name) {
  auto* widget = new T(parent);
  widget->setObjectName(name);
  return widget;
}

}  // namespace

TSeiteEinrichtenDlg::TSeiteEinrichtenDlg(const text::TextStore& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
  setObjectName(QString::fromUtf8(kPageSetupBlock.data(), static_cast<qsizetype>(kPageSetupBlock.size())));

  auto* scaling = Named<QGroupBox>(this, "GroupBox1");
  auto* scalingGrid = new QGridLayout(scaling);
  scale_ = Named<QRadioButton>(scaling, "RadioButton1");
  fontSize_ = MakeSpin(scaling, "Edit1", printing::kMinFontSize, printing::kMaxFontSize);
  fit_ = Named<QRadioButton>(scaling, "RadioButton2");
  pagesWide_ = MakeSpin(scaling, "Edit2", printing::kMinPagesWide, printing::kMaxPagesWide);
  wrap_ = Named<QCheckBox>(scaling, "CheckBox3");
  auto* modes = new QButtonGroup(this);
  modes->addButton(scale_);
  modes->addButton(fit_);
  scalingGrid->addWidget(scale_, 0, 0);
  scalingGrid->addWidget(fontSize_, 0, 1);
  scalingGrid->addWidget(MakeLabel(scaling, "Label1"), 0, 2);
  scalingGrid->addWidget(fit_, 1, 0);
  scalingGrid->addWidget(pagesWide_, 1, 1);
  scalingGrid->addWidget(MakeLabel(scaling, "Label2"), 1, 2);
  scalingGrid->addWidget(wrap_, 2, 0, 1, 3);
  scalingGrid->setColumnStretch(2, 1);

  auto* paperRow = new QHBoxLayout;
  paper_ = MakeCombo(this, "ComboBox2");
  for (const printing::Paper& paper : printing::Papers()) {
    paper_->addItem(QString::fromUtf8(paper.name.data(), static_cast<qsizetype>(paper.name.size())));
  }
  paperRow->addWidget(MakeLabel(this, "Label3"));
  paperRow->addWidget(paper_);
  paperRow->addStretch();

  auto* marginBox = Named<QGroupBox>(this, "GroupBox2");
  auto* marginGrid = new QGridLayout(marginBox);
  for (std::size_t side = 0; side < 4; ++side) {
    margins_[side] = MakeEdit(marginBox, printing::kMarginEdits[side], 10);
    margins_[side]->setMaximumWidth(margins_[side]->fontMetrics().horizontalAdvance("0000,00") * 2);
    const int row = static_cast<int>(side % 2);
    const int column = static_cast<int>(side / 2) * 2;
    marginGrid->addWidget(MakeLabel(marginBox, printing::kMarginLabels[side]), row, column);
    marginGrid->addWidget(margins_[side], row, column + 1);
  }
  marginUnit_ = MakeCombo(marginBox, "ComboBox1");
  for (const std::string_view unit : printing::kMarginUnits) {
    marginUnit_->addItem(QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size())));
  }
  marginGrid->addWidget(MakeLabel(marginBox, "Label9"), 2, 0);
  marginGrid->addWidget(marginUnit_, 2, 1);
  marginGrid->setColumnStretch(4, 1);

  auto* lines = Named<QGroupBox>(this, "GroupBox3");
  auto* linesGrid = new QGridLayout(lines);
  header_ = MakeEdit(lines, "Edit3");
  header_->setReadOnly(true);  // the project title, edited in the results window
  footer_ = MakeEdit(lines, "Edit8");
  showPath_ = Named<QCheckBox>(lines, "CheckBox1");
  linesGrid->addWidget(MakeLabel(lines, "Label10"), 0, 0);
  linesGrid->addWidget(header_, 0, 1);
  linesGrid->addWidget(MakeLabel(lines, "Label8"), 1, 0);
  linesGrid->addWidget(footer_, 1, 1);
  linesGrid->addWidget(showPath_, 2, 0, 1, 2);
  header_->setMinimumWidth(260);

  print_ = Named<QPushButton>(this, "PrintBtn");
  print_->setDefault(true);
  preview_ = Named<QPushButton>(this, "PreviewBtn");
  cancel_ = Named<QPushButton>(this, "CancelBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(preview_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scaling);
  layout->addLayout(paperRow);
  layout->addWidget(marginBox);
  layout->addWidget(lines);
  InstallHelp(*this, texts, help::topic::kPageSetup, buttons);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(scale_, &QRadioButton::toggled, this, &TSeiteEinrichtenDlg::UpdateEnabled);
  connect(marginUnit_, &QComboBox::currentIndexChanged, this, &TSeiteEinrichtenDlg::ConvertMargins);
  connect(print_, &QPushButton::clicked, this, [this] { Produce(Output::Print); });
  connect(preview_, &QPushButton::clicked, this, [this] { Produce(Output::Preview); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  scale_->setChecked(true);
  Present(project::ProjectAppearance{}, QString());
  ApplyTexts();
}

void TSeiteEinrichtenDlg::ApplyTexts() {
  const auto text = [this](const char* key) { return ToQString(texts_.FormText(kPageSetupBlock, key)); };
  setWindowTitle(text("Caption"));
  for (const char* name : {"GroupBox1", "GroupBox2", "GroupBox3"}) findChild<QGroupBox*>(name)->setTitle(text(name));
  for (const char* name :
       {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10"}) {
    findChild<QLabel*>(name)->setText(text(name));
  }
  scale_->setText(text("RadioButton1"));
  fit_->setText(text("RadioButton2"));
  wrap_->setText(text("CheckBox3"));
  showPath_->setText(text("CheckBox1"));
  print_->setText(text("PrintBtn"));
  preview_->setText(text("PreviewBtn"));
  cancel_->setText(text("CancelBtn"));
}

void TSeiteEinrichtenDlg::Present(const project::ProjectAppearance& appearance, const QString& headerLine) {
  // As the file's marks are set in their order: fit to pages, when marked, is the last word.
  (appearance.fitToPages ? fit_ : scale_)->setChecked(true);
  fontSize_->setValue(appearance.scaleFontSize);
  pagesWide_->setValue(appearance.pagesWide);
  wrap_->setChecked(appearance.wrapText);
  // An entry the list does not hold (another program's paper) keeps the current one.
  const int paper = paper_->findText(ToQString(appearance.paperEntry));
  if (paper >= 0) paper_->setCurrentIndex(paper);
  for (std::size_t side = 0; side < 4; ++side) margins_[side]->setText(ToQString(appearance.margins[side]));
  {
    const QSignalBlocker keepTexts(marginUnit_);
    marginUnitShown_ = appearance.marginUnit == printing::kInches ? printing::kInches : printing::kMillimetres;
    SelectEntry(marginUnit_, marginUnitShown_);
  }
  header_->setText(headerLine);
  footer_->setText(ToQString(appearance.footerLine));
  showPath_->setChecked(appearance.showPathInFooter);
  UpdateEnabled();
}

void TSeiteEinrichtenDlg::TakeChoices(project::ProjectAppearance& appearance) const {
  appearance.scaleToFont = scale_->isChecked();
  appearance.fitToPages = fit_->isChecked();
  appearance.scaleFontSize = fontSize_->value();
  appearance.pagesWide = pagesWide_->value();
  appearance.wrapText = wrap_->isChecked();
  appearance.paperEntry = ToStdString(paper_->currentText());
  for (std::size_t side = 0; side < 4; ++side) appearance.margins[side] = ToStdString(margins_[side]->text());
  appearance.marginUnit = marginUnit_->currentIndex() == 1 ? printing::kInches : printing::kMillimetres;
  appearance.footerLine = ToStdString(footer_->text());
  appearance.showPathInFooter = showPath_->isChecked();
}

void TSeiteEinrichtenDlg::UpdateEnabled() {
  fontSize_->setEnabled(scale_->isChecked());
  pagesWide_->setEnabled(!scale_->isChecked());
}

void TSeiteEinrichtenDlg::ConvertMargins(int unit) {
  for (QLineEdit* edit : margins_) {
    edit->setText(
        ToQString(printing::ConvertMargin(ToStdString(edit->text()), marginUnitShown_, unit, texts_.edition())));
  }
  marginUnitShown_ = unit;
}

bool TSeiteEinrichtenDlg::Run(project::ProjectAppearance& appearance, const TablePrintSource& source) {
  appearance_ = &appearance;
  source_ = &source;
  changed_ = false;
  Present(appearance, ToQString(source.table != nullptr ? source.table->ProjectTitle() : std::string()));
  presented_ = appearance;
  TakeChoices(presented_);
  exec();
  appearance_ = nullptr;
  source_ = nullptr;
  return changed_;
}

void TSeiteEinrichtenDlg::Produce(Output output) {
  if (appearance_ == nullptr || source_ == nullptr || source_->table == nullptr) return;
  project::ProjectAppearance chosen = *appearance_;
  TakeChoices(chosen);
  const printing::PageSetupReading reading = printing::ReadPageSetup(chosen, texts_);
  if (!reading.setup) {
    ShowMessages(this, reading.messages);
    return;
  }
  // The table prints landscape: the paper's long side across.
  const printing::Paper& paper = printing::PaperNamed(chosen.paperEntry);
  if (!printing::LeavesRoom(reading.setup->margins, paper.height, paper.width)) {
    ShowMessage(this, printing::NoRoomMessage(texts_));
    return;
  }
  if (!printing::SamePageSetup(chosen, presented_)) changed_ = true;
  *appearance_ = chosen;

  auto noRoom = std::make_shared<bool>(false);
  const PrintDocument document = TableDocument(*source_, *reading.setup, chosen, texts_, noRoom);
  if (output == Output::Preview) {
    PreviewDocument(this, document);
  } else if (PrintWithDialog(this, document)) {
    accept();
    return;
  }
  // The printer's paper may be smaller than the one chosen here.
  if (*noRoom) ShowMessage(this, printing::NoRoomMessage(texts_));
}

void TSeiteEinrichtenDlg::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
}

}  // namespace velmora::gui
