#include "main/ElementPanel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

#include "mainform/MainForm.h"
#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// The element pictures are drawn at this size.
constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 160;
constexpr int kFirstSlotRow = 3;

QToolButton* MakeToolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setAutoRaise(true);
  return button;
}

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

ElementPanel::ElementPanel(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : QGroupBox(parent), texts_(texts), programFolder_(std::move(programFolder)) {
  setObjectName("Element_Fenster");
  auto* grid = new QGridLayout(this);

  auto* headingRow = new QHBoxLayout;
  auto* title = MakeLabel(this, "Ueberschrift_Element");
  title->setFont(Bold(title->font()));
  heading_ = MakeLabel(this, "Statisch_Element_Name1");
  heading_->setFont(Bold(heading_->font()));
  info_ = MakeToolButton(this, "ToolButton15", QStyle::SP_MessageBoxInformation);
  headingRow->addWidget(title);
  headingRow->addWidget(heading_, 1);
  headingRow->addWidget(info_);
  grid->addLayout(headingRow, 0, 0, 1, 4);

  picture_ = MakeLabel(this, "Image1");
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  picture_->setFrameShape(QFrame::StyledPanel);
  picture_->setAlignment(Qt::AlignCenter);
  grid->addWidget(picture_, 1, 0, 8, 1, Qt::AlignTop);

  grid->addWidget(MakeLabel(this, "Label2"), 1, 1);
  description_ = MakeEdit(this, "Edit1");
  grid->addWidget(description_, 1, 2, 1, 2);
  grid->addWidget(MakeLabel(this, "LabelAnz"), 2, 1);
  // Three characters: as many identical elements as the count may name.
  auto* count = MakeEdit(this, "VaAnz_Edit", 3);
  count->setMinimumWidth(50);
  count->setMaximumWidth(60);
  grid->addWidget(count, 2, 2);

  for (std::size_t slot = 0; slot < slotEdits_.size(); ++slot) {
    const std::string n = std::to_string(slot + 1);
    slotLabels_[slot] = MakeLabel(this, ("Va" + n + "_Static").c_str());
    slotEdits_[slot] = MakeEdit(this, ("Va" + n + "_Edit").c_str());
    slotUnits_[slot] = MakeCombo(this, ("ComboVar" + n).c_str());
    slotFixedUnits_[slot] = MakeLabel(this, ("LabelVar" + n).c_str());
    FillUnitList(slotUnits_[slot], units::LengthUnits(units::LengthList::Millimetre));
    auto* unitBox = new QHBoxLayout;
    unitBox->addWidget(slotUnits_[slot]);
    unitBox->addWidget(slotFixedUnits_[slot]);
    const int row = kFirstSlotRow + static_cast<int>(slot);
    grid->addWidget(slotLabels_[slot], row, 1);
    grid->addWidget(slotEdits_[slot], row, 2);
    grid->addLayout(unitBox, row, 3);
  }

  auto* roughnessLabel = MakeLabel(this, "Label4");
  auto* roughness = MakeEdit(this, "Edit2");
  auto* roughnessUnit = MakeCombo(this, "ComboBox6");
  FillUnitList(roughnessUnit, units::LengthUnits(units::LengthList::Millimetre));
  auto* database = MakeToolButton(this, "SpeedButton1", QStyle::SP_FileDialogContentsView);
  database->setAutoRaise(false);
  auto* roughnessInfo = MakeToolButton(this, "SpeedButton7", QStyle::SP_MessageBoxInformation);
  roughnessInfo->setAutoRaise(false);
  roughness_ = {roughnessLabel, roughness, roughnessUnit, database};
  auto* roughnessUnitBox = new QHBoxLayout;
  roughnessUnitBox->addWidget(roughnessUnit);
  roughnessUnitBox->addWidget(database);
  roughnessUnitBox->addWidget(roughnessInfo);
  const int roughnessRow = kFirstSlotRow + static_cast<int>(slotEdits_.size());
  grid->addWidget(roughnessLabel, roughnessRow, 1);
  grid->addWidget(roughness, roughnessRow, 2);
  grid->addLayout(roughnessUnitBox, roughnessRow, 3);
  grid->setRowStretch(roughnessRow + 1, 1);

  connect(info_, &QToolButton::clicked, this, &ElementPanel::InfoRequested);
  connect(roughnessInfo, &QToolButton::clicked, this, &ElementPanel::RoughnessInfoRequested);
  connect(database, &QToolButton::clicked, this, &ElementPanel::RoughnessDatabaseRequested);
}

void ElementPanel::SetCaptions() {
  const auto text = [&](const char* key) { return ToQString(texts_.FormText(text::kMainWindowBlock, key)); };
  for (const char* name : {"Ueberschrift_Element", "Label2", "LabelAnz", "Label4"}) {
    findChild<QLabel*>(name)->setText(text(name));
  }
  for (const char* name : {"ToolButton15", "SpeedButton1", "SpeedButton7"}) {
    findChild<QToolButton*>(name)->setToolTip(text(name));
  }
}

void ElementPanel::ShowElement(const catalogue::ElementLayout& layout, bool hasInfo) {
  description_->clear();
  const QString picture = programFolder_ + QString("/%1.bmp").arg(layout.picture);
  picture_->setPixmap(QFileInfo::exists(picture) ? QPixmap(picture) : QPixmap());
  heading_->setText(ToQString(texts_.GroupName(layout.group)) + " - " +
                    ToQString(texts_.KindName(layout.group, layout.kind)));
  for (std::size_t slot = 0; slot < slotEdits_.size(); ++slot)
    ShowSlot(static_cast<int>(slot), layout.slotLayouts[slot]);
  info_->setEnabled(hasInfo);
  // The roughness database button follows the roughness field.
  for (QWidget* control : roughness_) control->setEnabled(layout.roughness);
}

void ElementPanel::ShowSlot(int slot, const catalogue::SlotLayout& layout) {
  const auto s = static_cast<std::size_t>(slot);
  QLineEdit* edit = slotEdits_[s];
  const bool used = layout.unit != catalogue::SlotUnit::Hidden;
  for (QWidget* widget : std::initializer_list<QWidget*>{slotLabels_[s], edit, slotUnits_[s], slotFixedUnits_[s]}) {
    widget->setVisible(used);
  }
  if (!used) return;
  slotLabels_[s]->setText(ToQString(texts_.GlobalText(layout.labelText)) + ToQString(std::string(layout.symbol)));
  switch (layout.fill) {
    case catalogue::SlotDefault::Keep:
      if (slot < 2 && edit->text().isEmpty()) edit->setText("100");
      break;
    case catalogue::SlotDefault::Text:
      edit->setText(ToQString(catalogue::DefaultText(layout, texts_.edition())));
      break;
    case catalogue::SlotDefault::CopySlot1: edit->setText(slotEdits_[0]->text()); break;
    case catalogue::SlotDefault::CopySlot2: edit->setText(slotEdits_[1]->text()); break;
  }
  const auto list = catalogue::SlotUnits(layout.unit);
  slotUnits_[s]->setVisible(!list.empty());
  slotFixedUnits_[s]->setVisible(list.empty());
  if (!list.empty()) {
    // A list keeps its selection when that entry exists in the new list.
    const int previous = slotUnits_[s]->currentIndex();
    FillUnitList(slotUnits_[s], list);
    SelectEntry(slotUnits_[s], previous);
    return;
  }
  QString fixed;
  if (layout.unit == catalogue::SlotUnit::Degree) fixed = ToQString(texts_.GlobalText(text::global::kDegreeWord));
  if (layout.unit == catalogue::SlotUnit::Percent) fixed = "%";
  if (layout.unit == catalogue::SlotUnit::Pieces) fixed = ToQString(texts_.GlobalText(text::global::kPiecesUnit));
  slotFixedUnits_[s]->setText(fixed);
}

}  // namespace velmora::gui
