#include "calculators/ChannelDialog.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

ChannelDialog::ChannelDialog(const text::TextStore& texts, std::string_view block, QString programFolder,
                             QWidget* parent)
    : CalculatorDialog(texts, block, std::move(programFolder), parent), block_(block) {}

QWidget* ChannelDialog::BuildSlope() {
  auto* box = new QGroupBox(Text("SlopeTitle"), this);
  box->setObjectName("GroupBoxGefaelle");
  auto* row = new QHBoxLayout(box);
  auto* left = new QVBoxLayout;
  left->addWidget(RadioGroup("RadioGroup2", "SlopeGroup", {"Slope0", "Slope1", "Slope2"}));
  auto* grid = new QGridLayout;
  const char* labels[] = {"Label_z1", "Label_z2", "Label_L"};
  const char* edits[] = {"Edit4", "Edit5", "Edit6"};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(Caption(labels[i]), i, 0);
    grid->addWidget(Edit(edits[i]), i, 1);
  }
  left->addLayout(grid);
  left->addStretch();
  row->addLayout(left);
  row->addWidget(Picture("Image2"), 0, Qt::AlignTop);
  ShowPicture("Image2", QString("GERINNE_GEFAELLE_") + QChar(Texts().edition()));
  for (int given = 0; given < 3; ++given) {
    connect(findChild<QAbstractButton*>(QString("RadioGroup2_%1").arg(given)), &QAbstractButton::toggled, this,
            [this](bool on) {
              if (!on) return;
              for (const char* edit : {"Edit4", "Edit5", "Edit6"}) findChild<QLineEdit*>(edit)->clear();
              SetSlopeCaptions();
            });
  }
  return box;
}

QWidget* ChannelDialog::BuildRoughness() {
  auto* box = new QGroupBox(Text("RoughnessTitle"), this);
  box->setObjectName("GroupBoxRauigkeit");
  auto* row = new QHBoxLayout(box);
  row->addWidget(Caption("Label_kSt", "StricklerLabel"));
  row->addWidget(Edit("Edit7"));
  QPushButton* database = Button("BitBtn1", "DatabaseBtn");
  row->addWidget(database);
  row->addStretch();
  connect(database, &QPushButton::clicked, this, &ChannelDialog::DatabaseRequested);
  return box;
}

void ChannelDialog::SetSlopeCaptions() {
  const int given = Chosen("RadioGroup2");
  const std::vector<std::string> captions = calculators::SlopeCaptions(Texts(), block_, given, LengthUnit());
  const char* labels[] = {"Label_z1", "Label_z2", "Label_L"};
  const char* edits[] = {"Edit4", "Edit5", "Edit6"};
  for (int i = 0; i < 3; ++i) {
    SetLabel(labels[i], captions[static_cast<std::size_t>(i)]);
    SetVisible({labels[i], edits[i]}, !captions[static_cast<std::size_t>(i)].empty());
  }
}

calculators::SlopeForm ChannelDialog::ReadSlope() const {
  return {Chosen("RadioGroup2"), EditText("Edit4"), EditText("Edit5"), EditText("Edit6")};
}

void ChannelDialog::TakeOverStrickler(const QString& coefficient) {
  if (isVisible()) findChild<QLineEdit*>("Edit7")->setText(coefficient);
}

}  // namespace velmora::gui
