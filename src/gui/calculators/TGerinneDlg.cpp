#include "calculators/TGerinneDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

QString ChannelPicture(int shape, text::Edition edition) {
  constexpr const char* kPictures[] = {"GERINNE_RECHTECK", "GERINNE_TRAPEZ", "GERINNE_HALBKREIS", "GERINNE_DREIECK"};
  if (shape >= 0 && shape < 4) return kPictures[shape];
  return QString("GERINNE_BELIEBIG_") + QChar(edition);
}

TGerinneDlg::TGerinneDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : ChannelDialog(texts, calculators::kOpenChannelBlock, std::move(programFolder), parent) {
  setObjectName("GerinneDlg");
  auto* layout = new QVBoxLayout(this);
  QLabel* heading = Caption("Label_Ueberschrift", "Heading");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(Caption("Label_Einheiten", "UnitsNote"));
  unitRow->addWidget(Combo("ComboBox1", calculators::MetreUnits()));
  unitRow->addStretch();
  layout->addLayout(unitRow);

  auto* profile = new QGroupBox(Text("ProfileTitle"), this);
  profile->setObjectName("GroupBoxProfil");
  auto* profileRow = new QHBoxLayout(profile);
  auto* left = new QVBoxLayout;
  left->addWidget(RadioGroup("RadioGroup1", {}, {"Shape0", "Shape1", "Shape2", "Shape3", "Shape4"}));
  auto* grid = new QGridLayout;
  const char* labels[] = {"Label_1", "Label_2", "Label_3"};
  const char* edits[] = {"Edit1", "Edit2", "Edit3"};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(Caption(labels[i]), i, 0);
    grid->addWidget(Edit(edits[i]), i, 1);
  }
  left->addLayout(grid);
  left->addStretch();
  profileRow->addLayout(left);
  profileRow->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addWidget(profile);
  layout->addWidget(BuildSlope());
  layout->addWidget(BuildRoughness());

  auto* result = new QGroupBox(Text("ResultTitle"), this);
  result->setObjectName("GroupBoxErgebnis");
  auto* results = new QGridLayout(result);
  results->addWidget(Caption("Label2"), 0, 0);
  results->addWidget(Value("Label3"), 0, 1);
  results->addWidget(Caption("Label7"), 1, 0);
  results->addWidget(Value("Label8"), 1, 1);
  results->setColumnStretch(2, 1);
  layout->addWidget(result);

  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn2", "CalculateBtn");
  QPushButton* close = Button("BitBtn3", "CloseBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kOpenChannel, buttons);
  layout->addLayout(buttons);

  connect(calculate, &QPushButton::clicked, this, &TGerinneDlg::BitBtn2Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  for (int shape = 0; shape < 5; ++shape) {
    connect(findChild<QAbstractButton*>(QString("RadioGroup1_%1").arg(shape)), &QAbstractButton::toggled, this,
            [this, shape](bool on) {
              if (on) ShapeChanged(shape);
            });
  }
  connect(findChild<QComboBox*>("ComboBox1"), &QComboBox::currentIndexChanged, this, [this] {
    SetShapeCaptions();
    SetSlopeCaptions();
  });
  ClearResultsOnChange();
  ShapeChanged(0);
  SetSlopeCaptions();
}

int TGerinneDlg::LengthUnit() const { return ListIndex("ComboBox1"); }

void TGerinneDlg::SetShapeCaptions() {
  const std::vector<std::string> captions = calculators::ShapeCaptions(Texts(), Chosen("RadioGroup1"), LengthUnit());
  const char* labels[] = {"Label_1", "Label_2", "Label_3"};
  const char* edits[] = {"Edit1", "Edit2", "Edit3"};
  for (std::size_t i = 0; i < 3; ++i) {
    SetLabel(labels[i], captions[i]);
    SetVisible({labels[i], edits[i]}, !captions[i].empty());
  }
}

void TGerinneDlg::ShapeChanged(int shape) {
  for (const char* edit : {"Edit1", "Edit2", "Edit3"}) findChild<QLineEdit*>(edit)->clear();
  ShowPicture("Image1", ChannelPicture(shape, Texts().edition()));
  SetShapeCaptions();
}

void TGerinneDlg::SetResultCaptions() {
  const calculators::ResultPair captions = calculators::OpenChannelResultCaptions(Texts(), Settings().us);
  SetLabel("Label2", captions.first);
  SetLabel("Label7", captions.second);
}

void TGerinneDlg::ClearResults() {
  findChild<QLabel*>("Label3")->clear();
  findChild<QLabel*>("Label8")->clear();
}

void TGerinneDlg::BitBtn2Click() {
  ClearResults();
  calculators::OpenChannelForm form;
  form.shape = Chosen("RadioGroup1");
  form.edit1 = EditText("Edit1");
  form.edit2 = EditText("Edit2");
  form.edit3 = EditText("Edit3");
  form.lengthUnit = LengthUnit();
  form.slope = ReadSlope();
  form.strickler = EditText("Edit7");
  const calculators::OpenChannelOutcome outcome = calculators::CalculateOpenChannelDialog(form, Texts(), Settings());
  ShowOutcome(outcome);
  SetLabel("Label3", outcome.velocity);
  SetLabel("Label8", outcome.flowText);
}

}  // namespace velmora::gui
