#include "parts/TInfoRohrRechte.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kWidthWord = 16;   // "Breite"
constexpr int kHeightWord = 18;  // "Höhe"
constexpr int kDuctSize = 98;    // "Lichte Weite B x H"

}  // namespace

struct TInfoRohrRechte::SheetNames {
  const char* page;
  const char* standards;
  const char* shapes;
  const char* sizes;
  const char* walls;
  std::array<const char*, 3> headings;  // standards, sizes, walls
  std::array<const char*, 6> values;
};

TInfoRohrRechte::TInfoRohrRechte(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CatalogueDialog(texts, std::move(programFolder), "InfoRohrRechte", parent) {
  static const SheetNames kNames[] = {
      {"DINSheet",
       "ListBox4",
       "RadioGroup1",
       "ListBox2",
       "ListBox3",
       {"Label1", "Label2", "Label3"},
       {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17"}},
      {"ANSISheet",
       "ListBox1",
       "RadioGroup2",
       "ListBox5",
       "ListBox6",
       {"Label21", "Label22", "Label23"},
       {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37"}},
  };
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  sheets_[0].id = parts::RectSheet::Din;
  sheets_[0].nameKey = "Norm";
  sheets_[1].id = parts::RectSheet::Asme;
  sheets_[1].nameKey = "ANorm";
  pages_->addTab(BuildSheet(sheets_[0], kNames[0]), Text("DINSheet"));
  pages_->addTab(BuildSheet(sheets_[1], kNames[1]), Text("ANSISheet"));
  takeOver_ = Button("BitBtn1", "BitBtn1");
  QPushButton* close = Button("OKBtn", "OKBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(takeOver_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kRectangularPipes, buttons);
  connect(takeOver_, &QPushButton::clicked, this, &TInfoRohrRechte::TakeOver);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(pages_, &QTabWidget::currentChanged, this, &TInfoRohrRechte::EnableTakeOver);
  takeOver_->setEnabled(false);
}

QWidget* TInfoRohrRechte::BuildSheet(Sheet& sheet, const SheetNames& names) {
  auto* page = new QWidget;
  page->setObjectName(names.page);
  auto* lists = new QGridLayout;
  sheet.standards = List(page, names.standards, 320);
  sheet.sizes = List(page, names.sizes, 120);
  sheet.walls = List(page, names.walls, 100);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption(page, names.headings[0], Text("LabelStandards")));
  left->addWidget(sheet.standards, 1);
  left->addWidget(Choice(page, names.shapes, {"Shape0", "Shape1"}, &sheet.shapes, true));
  lists->addLayout(left, 0, 0, 2, 1);
  sheet.sizeHeading = AddList(lists, 0, 1, Caption(page, names.headings[1]), sheet.sizes);
  AddList(lists, 0, 2, Caption(page, names.headings[2], Text("HeadingWall")), sheet.walls);
  lists->setColumnStretch(0, 3);
  lists->setColumnStretch(1, 1);
  lists->setColumnStretch(2, 1);

  for (std::size_t i = 0; i < sheet.values.size(); ++i) sheet.values[i] = Value(page, names.values[i]);
  const bool inches = sheet.id == parts::RectSheet::Asme;
  const char* first = inches ? "in." : "mm";
  const char* second = inches ? "mm" : "in.";
  auto* results = new QGridLayout;
  AddValues(results, 0, Text("LabelWidth"), {{sheet.values[0], first}, {sheet.values[1], second}});
  AddValues(results, 1, Text("LabelHeight"), {{sheet.values[2], first}, {sheet.values[3], second}});
  AddValues(results, 2, Text("LabelMass"), {{sheet.values[4], "kg/m"}, {sheet.values[5], "lb/ft"}});
  results->setColumnStretch(5, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(lists);
  layout->addLayout(results);
  connect(sheet.standards, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseStandard(sheet); });
  connect(sheet.shapes, &QButtonGroup::idToggled, this, [this, &sheet](int, bool checked) {
    if (checked) ChooseStandard(sheet);
  });
  connect(sheet.sizes, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseSize(sheet); });
  connect(sheet.walls, &QListWidget::currentRowChanged, this, [this, &sheet] { ShowValues(sheet); });
  return page;
}

void TInfoRohrRechte::FillOnce() {
  file_ = LoadFile(parts::kRectFileName);
  for (Sheet& sheet : sheets_) {
    std::vector<StandardItem> entries;
    for (int standard = 1; standard <= parts::RectStandardCount(sheet.id); ++standard) {
      bool available = false;
      for (const parts::RectShape shape : {parts::RectShape::Square, parts::RectShape::Rectangular}) {
        available =
            available || parts::RectStandard(*parts::FindRectTable(sheet.id, standard, shape), file_).Available();
      }
      entries.push_back(StandardEntry(sheet.nameKey + std::to_string(standard), available));
    }
    FillStandards(sheet.standards, entries);
    ChooseStandard(sheet);
  }
}

void TInfoRohrRechte::ChooseStandard(Sheet& sheet) {
  const int standard = Row(sheet.standards) + 1;
  const auto shape = sheet.shapes->checkedId() == 1 ? parts::RectShape::Rectangular : parts::RectShape::Square;
  sheet.standard.reset();
  if (const parts::RectTable* table = parts::FindRectTable(sheet.id, standard, shape)) {
    sheet.standard.emplace(*table, file_);
    // Ducts are listed by their inside size.
    sheet.sizeHeading->setText(table->innerSizes ? ToQString(Texts().GlobalText(kDuctSize))
                                                 : ToQString(Texts().GlobalText(kWidthWord)) + " x\n" +
                                                       ToQString(Texts().GlobalText(kHeightWord)));
  }
  Fill(sheet.sizes, sheet.standard ? sheet.standard->Sizes(Edition()) : std::vector<std::string>{});
  ChooseSize(sheet);
}

void TInfoRohrRechte::ChooseSize(Sheet& sheet) {
  Fill(sheet.walls, sheet.standard ? sheet.standard->Walls(Index(sheet.sizes), Edition()) : std::vector<std::string>{});
  ShowValues(sheet);
}

void TInfoRohrRechte::ShowValues(Sheet& sheet) {
  if (!sheet.standard || Row(sheet.sizes) < 0) {
    for (QLabel* value : sheet.values) value->clear();
    EnableTakeOver();
    return;
  }
  const parts::RectValues values = sheet.standard->Values(Index(sheet.sizes), Index(sheet.walls));
  const parts::RectDisplay shown = parts::ShowRect(values, Edition());
  const bool inches = values.inches;
  const std::string texts[] = {inches ? shown.widthInches : shown.widthMm,
                               inches ? shown.widthMm : shown.widthInches,
                               inches ? shown.heightInches : shown.heightMm,
                               inches ? shown.heightMm : shown.heightInches,
                               shown.massKg,
                               shown.massLb};
  for (std::size_t i = 0; i < sheet.values.size(); ++i) sheet.values[i]->setText(ToQString(texts[i]));
  EnableTakeOver();
}

TInfoRohrRechte::Sheet& TInfoRohrRechte::Visible() { return sheets_[pages_->currentIndex() == 1 ? 1 : 0]; }

std::optional<std::pair<std::string, std::string>> TInfoRohrRechte::TakeOverValues(const Sheet& sheet) const {
  if (!sheet.standard || Row(sheet.sizes) < 0) return std::nullopt;
  return parts::RectTakeOverValues(sheet.standard->Values(Index(sheet.sizes), Index(sheet.walls)), Us(), Edition());
}

void TInfoRohrRechte::EnableTakeOver() { takeOver_->setEnabled(TakeOverValues(Visible()).has_value()); }

void TInfoRohrRechte::TakeOver() {
  const Sheet& sheet = Visible();
  const auto values = TakeOverValues(sheet);
  if (!values) return;
  const std::string name = Name(sheet.nameKey + std::to_string(Row(sheet.standards) + 1));
  HandOver({parts::PartKind::Rectangle, name, 1, 2, {values->first, values->second}, Us()});
}

}  // namespace velmora::gui
