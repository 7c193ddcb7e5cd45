#include "parts/TwoEndDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// The element pictures are drawn at 240 x 160; the catalogue shows them at two thirds.
constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 107;
constexpr int kMassMinimumWidth = 120;

}  // namespace

struct TwoEndDialog::SheetNames {
  const char* page;
  const char* standards;
  const char* choice;
  const char* picture;
  const char* first;
  const char* firstWalls;
  const char* second;
  const char* secondWalls;
  std::array<const char*, 8> ends;
  const char* angle;
  const char* massKg;
  const char* massLb;
  std::array<const char*, 5> headings;  // standards, first, its walls, second, its walls
};

TwoEndDialog::TwoEndDialog(const text::TextStore& texts, QString programFolder, std::string_view block,
                           std::array<int, 2> pictures, bool angle, QWidget* parent)
    : CatalogueDialog(texts, std::move(programFolder), block, parent), pictures_(pictures), angle_(angle) {}

void TwoEndDialog::Build(const char* helpPage) {
  static const SheetNames kNames[] = {
      {"DINSheet",
       "ListBox4",
       "RadioGroup1",
       "Image1",
       "ListBox2",
       "ListBox3",
       "ListBox1",
       "ListBox6",
       {"Label22", "Label23", "Label24", "Label25", "Label26", "Label27", "Label28", "Label29"},
       "Label30",
       "Label31",
       "Label32",
       {"Label1", "Label2", "Label3", "Label4", "Label5"}},
      {"ANSISheet",
       "ListBox5",
       "RadioGroup2",
       "Image2",
       "ListBox7",
       "ListBox8",
       "ListBox9",
       "ListBox10",
       {"Label46", "Label47", "Label48", "Label49", "Label50", "Label51", "Label52", "Label53"},
       "Label54",
       "Label55",
       "Label56",
       {"Label61", "Label62", "Label63", "Label64", "Label65"}},
  };
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  sheets_[0].id = parts::FittingSheet::Din;
  sheets_[1].id = parts::FittingSheet::Asme;
  pages_->addTab(BuildSheet(sheets_[0], kNames[0]), Text("DINSheet"));
  pages_->addTab(BuildSheet(sheets_[1], kNames[1]), Text("ANSISheet"));
  takeOver_ = Button("BitBtn1", "BitBtn1");
  QPushButton* cancel = Button("BitBtn2", "BitBtn2");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(takeOver_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  InstallHelp(*this, Texts(), helpPage, buttons);
  connect(takeOver_, &QPushButton::clicked, this, &TwoEndDialog::TakeOver);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(pages_, &QTabWidget::currentChanged, this, &TwoEndDialog::EnableTakeOver);
  takeOver_->setEnabled(false);
}

QWidget* TwoEndDialog::BuildSheet(Sheet& sheet, const SheetNames& names) {
  auto* page = new QWidget;
  page->setObjectName(names.page);
  const bool din = sheet.id == parts::FittingSheet::Din;

  auto* left = new QVBoxLayout;
  sheet.standards = List(page, names.standards, 220);
  sheet.standards->setMinimumHeight(60);
  left->addWidget(Caption(page, names.headings[0], Text("LabelStandards")));
  left->addWidget(sheet.standards);
  left->addWidget(Choice(page, names.choice, {"Choice0", "Choice1"}, &sheet.choice));
  sheet.picture = Caption(page, names.picture);
  sheet.picture->setFixedSize(kPictureWidth, kPictureHeight);
  sheet.picture->setFrameShape(QFrame::StyledPanel);
  sheet.picture->setAlignment(Qt::AlignCenter);
  left->addWidget(sheet.picture, 0, Qt::AlignHCenter);
  left->addStretch();

  const auto endBox = [&](std::string_view title, QListWidget*& sizes, QListWidget*& walls, const char* sizeName,
                          const char* wallName, const char* sizeHeading, const char* wallHeading,
                          std::string_view sizeKey) {
    auto* box = new QGroupBox(Text(title), page);
    auto* grid = new QGridLayout(box);
    sizes = List(box, sizeName, 100);
    walls = List(box, wallName, din ? 90 : 110);
    AddList(grid, 0, 0, Caption(box, sizeHeading, Text(sizeKey)), sizes);
    AddList(grid, 0, 1, Caption(box, wallHeading, Text(din ? "HeadingSeries" : "HeadingWall")), walls);
    return box;
  };
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(endBox("GroupFirst", sheet.first, sheet.firstWalls, names.first, names.firstWalls, names.headings[1],
                        names.headings[2], din ? "HeadingFirst" : "HeadingFirstNps"),
                 1);
  top->addWidget(endBox("GroupSecond", sheet.second, sheet.secondWalls, names.second, names.secondWalls,
                        names.headings[3], names.headings[4], din ? "HeadingSecond" : "HeadingSecondNps"),
                 1);

  for (std::size_t i = 0; i < sheet.ends.size(); ++i) sheet.ends[i] = Value(page, names.ends[i]);
  const char* unit = din ? "mm" : "in.";
  const char* other = din ? "in." : "mm";
  auto* results = new QGridLayout;
  results->addWidget(new QLabel(Text("GroupFirst"), page), 0, 1, 1, 2);
  results->addWidget(new QLabel(Text("GroupSecond"), page), 0, 3, 1, 2);
  AddValues(results, 1, Text("LabelOuter"), {{sheet.ends[0], unit}, {sheet.ends[4], unit}});
  AddValues(results, 2, Text("LabelWall"), {{sheet.ends[1], unit}, {sheet.ends[5], unit}});
  AddValues(results, 3, Text("LabelInner"), {{sheet.ends[2], unit}, {sheet.ends[6], unit}});
  AddValues(results, 4, QString(), {{sheet.ends[3], other}, {sheet.ends[7], other}});
  int row = 5;
  if (angle_) {
    sheet.angle = Value(page, names.angle);
    AddValues(results, row++, Text("LabelAngle"), {{sheet.angle, "°"}});
  } else if (din) {
    results->addWidget(Caption(page, "Label33", Text("LabelRadius")), row++, 0, 1, 5);
  }
  sheet.massKg = Value(page, names.massKg);
  sheet.massLb = Value(page, names.massLb);
  // The mass labels carry their caption ("Masse: 0,56").
  for (QLabel* mass : {sheet.massKg, sheet.massLb}) mass->setMinimumWidth(kMassMinimumWidth);
  AddValues(results, row, QString(), {{sheet.massKg, "kg"}, {sheet.massLb, "lb"}});
  results->setColumnStretch(5, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addLayout(results);

  connect(sheet.choice, &QButtonGroup::idToggled, this, [this, &sheet](int, bool checked) {
    if (!checked) return;
    ShowPicture(sheet);
    ShowValues(sheet);
  });
  connect(sheet.first, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseFirst(sheet); });
  connect(sheet.firstWalls, &QListWidget::currentRowChanged, this, [this, &sheet] { ShowValues(sheet); });
  connect(sheet.second, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseSecond(sheet); });
  connect(sheet.secondWalls, &QListWidget::currentRowChanged, this, [this, &sheet] { ShowValues(sheet); });
  ShowPicture(sheet);
  return page;
}

void TwoEndDialog::FillOnce() {
  Load();
  for (Sheet& sheet : sheets_) {
    const std::string key = sheet.id == parts::FittingSheet::Din ? "Norm1" : "ANorm1";
    FillStandards(sheet.standards, {StandardEntry(key, Available(sheet.id))});
    Fill(sheet.first, Available(sheet.id) ? FirstEnds(sheet.id) : std::vector<std::string>{});
    ChooseFirst(sheet);
  }
}

void TwoEndDialog::FixChoice(std::optional<int> choice) {
  for (Sheet& sheet : sheets_) {
    for (QAbstractButton* option : sheet.choice->buttons()) option->setEnabled(!choice);
    if (choice) sheet.choice->button(*choice == 1 ? 1 : 0)->setChecked(true);
  }
}

void TwoEndDialog::ChooseFirst(Sheet& sheet) {
  // A series chosen for one size stays chosen for the next.
  const std::size_t first = Index(sheet.first);
  Fill(sheet.firstWalls, FirstWalls(sheet.id, first), Row(sheet.firstWalls));
  Fill(sheet.second, SecondEnds(sheet.id, first));
  ChooseSecond(sheet);
}

void TwoEndDialog::ChooseSecond(Sheet& sheet) {
  Fill(sheet.secondWalls, SecondWalls(sheet.id, Index(sheet.first), Index(sheet.second)), Row(sheet.secondWalls));
  ShowValues(sheet);
}

TwoEndDialog::Selection TwoEndDialog::SelectionOf(const Sheet& sheet) const {
  return {Index(sheet.first), Index(sheet.firstWalls), Index(sheet.second), Index(sheet.secondWalls)};
}

void TwoEndDialog::ShowValues(Sheet& sheet) {
  if (Row(sheet.first) < 0 || Row(sheet.second) < 0) {
    for (QLabel* value : sheet.ends) value->clear();
    for (QLabel* value : {sheet.angle, sheet.massKg, sheet.massLb}) {
      if (value != nullptr) value->clear();
    }
    EnableTakeOver();
    return;
  }
  const Shown shown = Show(sheet.id, SelectionOf(sheet), sheet.choice->checkedId());
  const bool inches = sheet.id == parts::FittingSheet::Asme;
  const parts::EndDisplay* ends[] = {&shown.first, &shown.second};
  for (std::size_t e = 0; e < 2; ++e) {
    const parts::EndDisplay& end = *ends[e];
    sheet.ends[4 * e]->setText(ToQString(end.outer));
    sheet.ends[4 * e + 1]->setText(ToQString(end.wall));
    sheet.ends[4 * e + 2]->setText(ToQString(inches ? end.innerInches : end.innerMm));
    sheet.ends[4 * e + 3]->setText(ToQString(inches ? end.innerMm : end.innerInches));
  }
  if (sheet.angle != nullptr) sheet.angle->setText(ToQString(shown.angle));
  sheet.massKg->setText(ToQString(shown.massKg));
  sheet.massLb->setText(ToQString(shown.massLb));
  EnableTakeOver();
}

void TwoEndDialog::ShowPicture(Sheet& sheet) {
  const int number = pictures_[sheet.choice->checkedId() == 1 ? 1 : 0];
  const QString file = ProgramFolder() + QString("/%1.bmp").arg(number);
  sheet.picture->setPixmap(QFileInfo::exists(file) ? QPixmap(file).scaled(kPictureWidth, kPictureHeight,
                                                                          Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                                   : QPixmap());
}

TwoEndDialog::Sheet& TwoEndDialog::Visible() { return sheets_[pages_->currentIndex() == 1 ? 1 : 0]; }

void TwoEndDialog::EnableTakeOver() {
  if (takeOver_ == nullptr) return;
  Sheet& sheet = Visible();
  const bool ready = Row(sheet.first) >= 0 && Row(sheet.second) >= 0 &&
                     Show(sheet.id, SelectionOf(sheet), sheet.choice->checkedId()).takeOver.has_value();
  takeOver_->setEnabled(ready);
}

void TwoEndDialog::TakeOver() {
  Sheet& sheet = Visible();
  if (Row(sheet.first) < 0 || Row(sheet.second) < 0) return;
  const Shown shown = Show(sheet.id, SelectionOf(sheet), sheet.choice->checkedId());
  if (!shown.takeOver) return;
  HandOver(*shown.takeOver);
  accept();
}

}  // namespace velmora::gui
