#include "calculators/TDrosselblendeDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/DialogPrint.h"
#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

using calculators::kOrificeDesignBlock;

// Pictures of the three kinds: the element pictures of the throttling devices.
constexpr const char* kPictures[] = {"2602", "2603", "2604"};

}  // namespace

TDrosselblendeDlg::TDrosselblendeDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CalculatorDialog(texts, kOrificeDesignBlock, std::move(programFolder), parent) {
  setObjectName("DrosselblendeDlg");
  auto* layout = new QVBoxLayout(this);

  auto* medium = new QGroupBox(Text("MediumGroup"), this);
  medium->setObjectName("GroupBox1");
  auto* mediumGrid = new QGridLayout(medium);
  mediumGrid->addWidget(Caption("Label_Medium", "MediumLabel"), 0, 0);
  QLineEdit* name = Edit("Eingabe_Medium");
  name->setReadOnly(true);
  mediumGrid->addWidget(name, 0, 1, 1, 2);
  QComboBox* flowKind = Combo("ComboBox4");
  flowKind->addItems({Text("FlowVolume"), Text("FlowMass")});
  mediumGrid->addWidget(flowKind, 1, 0);
  mediumGrid->addWidget(Edit("Eingabe_Volumenstrom"), 1, 1);
  mediumGrid->addWidget(Combo("ComboBox5", calculators::FlowUnits(0)), 1, 2);
  mediumGrid->addWidget(Caption("Label_Dichte", "DensityLabel"), 2, 0);
  mediumGrid->addWidget(Edit("Eingabe_Dichte"), 2, 1);
  mediumGrid->addWidget(Combo("ComboBox6", units::DensityUnits()), 2, 2);
  QComboBox* viscosityKind = Combo("ComboBox7");
  viscosityKind->addItems({Text("ViscosityDynamic"), Text("ViscosityKinematic")});
  mediumGrid->addWidget(viscosityKind, 3, 0);
  mediumGrid->addWidget(Edit("Eingabe_Viskositaet"), 3, 1);
  mediumGrid->addWidget(Combo("ComboBox8", units::ViscosityUnits(0)), 3, 2);
  mediumGrid->addWidget(Caption("Label_Hinweis", "MediumNote"), 4, 0, 1, 3);
  layout->addWidget(medium);

  auto* orifice = new QGroupBox(Text("GroupTitle"), this);
  orifice->setObjectName("GroupBox2");
  auto* orificeRow = new QHBoxLayout(orifice);
  auto* orificeInputs = new QGridLayout;
  orificeInputs->addWidget(RadioGroup("RadioGroup1", {}, {"Kind0", "Kind1", "Kind2"}), 0, 0, 1, 3);
  orificeInputs->addWidget(Caption("Label_D1"), 1, 0);
  orificeInputs->addWidget(Edit("Edit1"), 1, 1);
  orificeInputs->addWidget(Combo("ComboBox1", calculators::MillimetreUnits()), 1, 2);
  orificeInputs->addWidget(Caption("Label_RL"), 2, 0);
  orificeInputs->addWidget(Edit("Edit2"), 2, 1);
  orificeInputs->addWidget(Combo("ComboBox2", calculators::MillimetreUnits()), 2, 2);
  orificeInputs->addWidget(Caption("Label_Dp", "PressureLossLabel"), 3, 0);
  orificeInputs->addWidget(Edit("Edit3"), 3, 1);
  orificeInputs->addWidget(Combo("ComboBox3", calculators::PressureUnits()), 3, 2);
  orificeRow->addLayout(orificeInputs);
  orificeRow->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addWidget(orifice);

  auto* result = new QGroupBox(Text("ResultGroup"), this);
  result->setObjectName("GroupBox3");
  auto* resultRow = new QHBoxLayout(result);
  QLabel* bore = Caption("Label3");
  bore->setTextInteractionFlags(Qt::TextSelectableByMouse);
  resultRow->addWidget(bore);
  layout->addWidget(result);

  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn1", "CalculateBtn");
  QPushButton* print = Button("BitBtn4", "PrintBtn");
  QPushButton* close = Button("BitBtn2", "CloseBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  buttons->addWidget(print);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kOrificeDesign, buttons);
  layout->addLayout(buttons);

  connect(calculate, &QPushButton::clicked, this, &TDrosselblendeDlg::BitBtn1Click);
  connect(print, &QPushButton::clicked, this, &TDrosselblendeDlg::BitBtn4Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(flowKind, &QComboBox::currentIndexChanged, this, [this](int kind) {
    FillUnitList(findChild<QComboBox*>("ComboBox5"), calculators::FlowUnits(kind));
    SetKindCaptions();
  });
  connect(viscosityKind, &QComboBox::currentIndexChanged, this,
          [this](int kind) { FillUnitList(findChild<QComboBox*>("ComboBox8"), units::ViscosityUnits(kind)); });
  for (int kind = 0; kind < 3; ++kind) {
    connect(findChild<QAbstractButton*>(QString("RadioGroup1_%1").arg(kind)), &QAbstractButton::toggled, this,
            [this, kind](bool on) {
              if (on) KindChanged(kind);
            });
  }
  Couple({"ComboBox1", "ComboBox2"});
  ClearResultsOnChange();
  KindChanged(0);
}

void TDrosselblendeDlg::SetKindCaptions() {
  const calculators::OrificeDesignLabels labels = calculators::OrificeDesignCaptions(
      Texts(), Chosen("RadioGroup1"), ListIndex("ComboBox4"), ListIndex("ComboBox7"));
  SetLabel("Label_D1", labels.pipeDiameter);
  SetLabel("Label_RL", labels.edge);
}

void TDrosselblendeDlg::KindChanged(int kind) {
  ShowPicture("Image1", kPictures[kind]);
  SetVisible({"Label_RL", "Edit2", "ComboBox2"}, kind != 0);
  findChild<QLineEdit*>("Edit2")->clear();
  SetKindCaptions();
}

void TDrosselblendeDlg::CopyFromMain(const mainform::MainForm& main) {
  calculators::OrificeDesignForm form;
  calculators::CopyMainInputs(main, form);
  findChild<QLineEdit*>("Eingabe_Medium")->setText(ToQString(form.medium));
  findChild<QComboBox*>("ComboBox4")->setCurrentIndex(form.flowKind);
  findChild<QLineEdit*>("Eingabe_Volumenstrom")->setText(ToQString(form.flow));
  SelectEntry(findChild<QComboBox*>("ComboBox5"), form.flowUnit);
  findChild<QLineEdit*>("Eingabe_Dichte")->setText(ToQString(form.density));
  SelectEntry(findChild<QComboBox*>("ComboBox6"), form.densityUnit);
  findChild<QComboBox*>("ComboBox7")->setCurrentIndex(form.viscosityKind);
  findChild<QLineEdit*>("Eingabe_Viskositaet")->setText(ToQString(form.viscosity));
  SelectEntry(findChild<QComboBox*>("ComboBox8"), form.viscosityUnit);
  ClearResults();
}

calculators::OrificeDesignForm TDrosselblendeDlg::ReadInputs() const {
  calculators::OrificeDesignForm form;
  form.kind = Chosen("RadioGroup1");
  form.medium = EditText("Eingabe_Medium");
  form.flowKind = ListIndex("ComboBox4");
  form.flow = EditText("Eingabe_Volumenstrom");
  form.flowUnit = ListIndex("ComboBox5");
  form.density = EditText("Eingabe_Dichte");
  form.densityUnit = ListIndex("ComboBox6");
  form.viscosityKind = ListIndex("ComboBox7");
  form.viscosity = EditText("Eingabe_Viskositaet");
  form.viscosityUnit = ListIndex("ComboBox8");
  form.pipeDiameter = EditText("Edit1");
  form.lengthUnit = ListIndex("ComboBox1");
  form.edge = EditText("Edit2");
  form.pressureLoss = EditText("Edit3");
  form.pressureUnit = ListIndex("ComboBox3");
  return form;
}

void TDrosselblendeDlg::ClearResults() { findChild<QLabel*>("Label3")->clear(); }

void TDrosselblendeDlg::BitBtn1Click() {
  ClearResults();
  const calculators::OrificeDesignOutcome outcome =
      calculators::CalculateOrificeDesignDialog(ReadInputs(), Texts(), Settings());
  ShowOutcome(outcome);
  SetLabel("Label3", outcome.result);
}

void TDrosselblendeDlg::BitBtn4Click() { PrintDialogPicture(this); }

}  // namespace velmora::gui
