#include "curve/TAnlagenkennlinie_Dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "curve/CurveMessages.h"
#include "curve/CurveText.h"
#include "curve/CurveUnits.h"
#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TAnlagenkennlinie_Dlg::TAnlagenkennlinie_Dlg(const text::TextStore& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
  setObjectName("Anlagenkennlinie_Dlg");
  question_ = MakeLabel(this, "Label1");
  fromLabel_ = MakeLabel(this, "Label2");
  toLabel_ = MakeLabel(this, "Label3");
  pointsLabel_ = MakeLabel(this, "Label4");
  from_ = MakeEdit(this, "Edit_Von");
  to_ = MakeEdit(this, "Edit_Bis");
  points_ = MakeEdit(this, "Edit_Anzahl");
  unit_ = MakeCombo(this, "ComboBox1");
  FillUnitList(unit_, curve::CurveFlowUnits());
  // The dialog's first values; afterwards it keeps what was typed.
  from_->setText("1");
  to_->setText("10");
  points_->setText("20");

  auto* range = new QHBoxLayout;
  range->addWidget(fromLabel_);
  range->addWidget(from_);
  range->addWidget(toLabel_);
  range->addWidget(to_);
  range->addWidget(unit_);
  auto* count = new QHBoxLayout;
  count->addWidget(pointsLabel_);
  count->addWidget(points_);
  count->addStretch();

  calculate_ = new QPushButton(this);
  calculate_->setObjectName("BitBtn1");
  calculate_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("BitBtn2");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(calculate_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question_);
  layout->addLayout(range);
  layout->addLayout(count);
  layout->addSpacing(6);
  InstallHelp(*this, texts, help::topic::kCurveRange, buttons);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(calculate_, &QPushButton::clicked, this, &TAnlagenkennlinie_Dlg::Calculate);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  ApplyTexts();
}

void TAnlagenkennlinie_Dlg::ApplyTexts() {
  const auto text = [this](const char* key) { return ToQString(texts_.FormText(curve::kRangeDialogBlock, key)); };
  setWindowTitle(text("Caption"));
  question_->setText(text("Label1"));
  fromLabel_->setText(text("Label2"));
  toLabel_->setText(text("Label3"));
  pointsLabel_->setText(text("Label4"));
  calculate_->setText(text("BitBtn1"));
  cancel_->setText(text("BitBtn2"));
}

void TAnlagenkennlinie_Dlg::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
}

void TAnlagenkennlinie_Dlg::Present(const CurveSource& source) {
  source_ = source;
  computed_.reset();
}

std::optional<ComputedCurve> TAnlagenkennlinie_Dlg::Run(const CurveSource& source) {
  Present(source);
  exec();
  return TakeCurve();
}

std::optional<ComputedCurve> TAnlagenkennlinie_Dlg::TakeCurve() {
  std::optional<ComputedCurve> taken = std::move(computed_);
  computed_.reset();
  return taken;
}

void TAnlagenkennlinie_Dlg::Calculate() {
  const curve::RangeCheck range = curve::CheckCurveRange(
      {ToStdString(from_->text()), ToStdString(to_->text()), ToStdString(points_->text()), unit_->currentIndex()},
      texts_);
  if (!range.request) {
    ShowMessages(this, range.messages);  // the dialog stays open, the focus on the field
    return;
  }
  // The medium as the main window holds it now; messages about it name the main window's fields.
  const curve::OperatingData medium = curve::CurveOperatingData(source_.form, texts_);
  if (!medium.input || source_.table == nullptr) {
    ShowMessages(this, medium.messages);
    reject();
    return;
  }
  curve::CurveRequest request = *range.request;
  request.tableUs = source_.us;
  request.psi = source_.us;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  curve::SystemCurve computed = curve::ComputeSystemCurve(*source_.table, *medium.input, request, texts_);
  QApplication::restoreOverrideCursor();
  ShowMessages(this, curve::CurveMessages(computed, request, texts_));
  if (!computed.Ok()) {
    reject();
    return;
  }
  computed_ = ComputedCurve{std::move(computed), request};
  accept();
}

}  // namespace velmora::gui
