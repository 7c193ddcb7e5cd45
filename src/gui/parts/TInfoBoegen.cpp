#include "parts/TInfoBoegen.h"

#include <QButtonGroup>
#include <QFontDatabase>
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

constexpr int kNominalSize = 99;  // "Nennweite"
constexpr parts::BendShape kShapes[] = {parts::BendShape::A, parts::BendShape::B, parts::BendShape::C};

}  // namespace

struct TInfoBoegen::SheetNames {
  const char* page;
  const char* standards;
  const char* shapes;
  const char* sizes;
  const char* walls;
  const char* types;  // nullptr: no types
  std::array<const char*, 8> values;
};

TInfoBoegen::TInfoBoegen(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CatalogueDialog(texts, std::move(programFolder), "InfoBoegen", parent) {
  static const SheetNames kNames[] = {
      {"DINSheet",
       "ListBox4",
       "RadioGroup1",
       "ListBox2",
       "ListBox3",
       "ListBox1",
       {"Label11", "Label12", "Label13", "Label14", "Label15", "Label17", "Label20", "Label21"}},
      {"ANSISheet",
       "ListBox5",
       "RadioGroup2",
       "ListBox6",
       "ListBox7",
       nullptr,
       {"Label41", "Label42", "Label43", "Label44", "Label45", "Label46", "Label47", "Label48"}},
  };
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  sheets_[0].id = parts::FittingSheet::Din;
  sheets_[0].nameKey = "Norm";
  sheets_[1].id = parts::FittingSheet::Asme;
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
  InstallHelp(*this, texts, help::topic::kBends, buttons);
  connect(takeOver_, &QPushButton::clicked, this, &TInfoBoegen::TakeOver);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(pages_, &QTabWidget::currentChanged, this, &TInfoBoegen::EnableTakeOver);
  takeOver_->setEnabled(false);
}

QWidget* TInfoBoegen::BuildSheet(Sheet& sheet, const SheetNames& names) {
  auto* page = new QWidget;
  page->setObjectName(names.page);
  const bool din = sheet.id == parts::FittingSheet::Din;
  auto* lists = new QGridLayout;
  sheet.standards = List(page, names.standards, 280);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption(page, din ? "Label1" : "Label31", Text("LabelStandards")));
  left->addWidget(sheet.standards, 1);
  left->addWidget(Choice(page, names.shapes, {"Shape0", "Shape1", "Shape2"}, &sheet.shapes));
  lists->addLayout(left, 0, 0, 2, 1);
  sheet.sizes = List(page, names.sizes, 90);
  sheet.walls = List(page, names.walls, din ? 110 : 120);
  const QString sizeHeading = din ? ToQString(Texts().GlobalText(kNominalSize)) + " DN" : Text("HeadingNps");
  AddList(lists, 0, 1, Caption(page, din ? "Label2" : "Label32", sizeHeading), sheet.sizes);
  AddList(lists, 0, 2, Caption(page, din ? "Label3" : "Label33", Text(din ? "HeadingSeries" : "HeadingWall")),
          sheet.walls);
  if (din) {
    sheet.types = List(page, names.types, 150);
    // The types line up their numbers and factors by blanks.
    sheet.types->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    AddList(lists, 0, 3, Caption(page, "Label4", Text("HeadingType")), sheet.types);
    QStringList types;
    for (const std::string& type : parts::BendTypeNames(Edition())) types << ToQString(type);
    Fill(sheet.types, types);
  }
  lists->setColumnStretch(0, 3);

  for (std::size_t i = 0; i < sheet.values.size(); ++i) sheet.values[i] = Value(page, names.values[i]);
  const char* first = din ? "mm" : "in.";
  const char* second = din ? "in." : "mm";
  auto* results = new QGridLayout;
  AddValues(results, 0, Text("LabelOuter"), {{sheet.values[0], first}});
  AddValues(results, 1, Text("LabelWall"), {{sheet.values[1], first}});
  AddValues(results, 2, Text("LabelInner"), {{sheet.values[2], first}, {sheet.values[3], second}});
  AddValues(results, 3, Text("LabelRadius"), {{sheet.values[4], first}, {sheet.values[5], second}});
  AddValues(results, 4, Text("LabelMass"), {{sheet.values[6], "kg"}, {sheet.values[7], "lb"}});
  results->setColumnStretch(5, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(lists);
  layout->addLayout(results);
  connect(sheet.standards, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseStandard(sheet); });
  connect(sheet.shapes, &QButtonGroup::idToggled, this, [this, &sheet](int, bool checked) {
    if (checked) ShowValues(sheet);
  });
  connect(sheet.sizes, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseSize(sheet); });
  connect(sheet.walls, &QListWidget::currentRowChanged, this, [this, &sheet] { ShowValues(sheet); });
  if (sheet.types != nullptr) {
    connect(sheet.types, &QListWidget::currentRowChanged, this, [this, &sheet] { ShowValues(sheet); });
  }
  return page;
}

void TInfoBoegen::FillOnce() {
  file_ = LoadFile(parts::kBendFileName);
  for (Sheet& sheet : sheets_) {
    std::vector<StandardItem> entries;
    for (int standard = 1; standard <= parts::BendStandardCount(sheet.id); ++standard) {
      const parts::BendStandard bends(*parts::FindBendTable(sheet.id, standard), file_);
      entries.push_back(StandardEntry(sheet.nameKey + std::to_string(standard), bends.Available()));
    }
    FillStandards(sheet.standards, entries);
    ChooseStandard(sheet);
  }
}

void TInfoBoegen::ChooseStandard(Sheet& sheet) {
  sheet.standard.reset();
  if (const parts::BendTable* table = parts::FindBendTable(sheet.id, Row(sheet.standards) + 1)) {
    sheet.standard.emplace(*table, file_);
  }
  Fill(sheet.sizes, sheet.standard ? sheet.standard->Sizes() : std::vector<std::string>{});
  ChooseSize(sheet);
}

void TInfoBoegen::ChooseSize(Sheet& sheet) {
  // The wall of the same series stays chosen from size to size.
  const int wall = Row(sheet.walls);
  Fill(sheet.walls, sheet.standard ? sheet.standard->Walls(Index(sheet.sizes), Edition()) : std::vector<std::string>{},
       wall);
  ShowValues(sheet);
}

std::optional<parts::BendValues> TInfoBoegen::Values(const Sheet& sheet) const {
  if (!sheet.standard || Row(sheet.sizes) < 0) return std::nullopt;
  const std::size_t type = sheet.types != nullptr ? Index(sheet.types) : 0;
  const auto shape = kShapes[std::clamp(sheet.shapes->checkedId(), 0, 2)];
  return sheet.standard->Values(Index(sheet.sizes), Index(sheet.walls), type, shape);
}

void TInfoBoegen::ShowValues(Sheet& sheet) {
  const std::optional<parts::BendValues> values = Values(sheet);
  if (!values) {
    for (QLabel* value : sheet.values) value->clear();
    EnableTakeOver();
    return;
  }
  const parts::BendDisplay shown = parts::ShowBend(*values, Edition());
  const bool inches = values->inches;
  const std::string texts[] = {shown.pipe.outer,
                               shown.pipe.wall,
                               inches ? shown.pipe.innerInches : shown.pipe.innerMm,
                               inches ? shown.pipe.innerMm : shown.pipe.innerInches,
                               inches ? shown.radiusInches : shown.radiusMm,
                               inches ? shown.radiusMm : shown.radiusInches,
                               shown.massKg,
                               shown.massLb};
  for (std::size_t i = 0; i < sheet.values.size(); ++i) sheet.values[i]->setText(ToQString(texts[i]));
  EnableTakeOver();
}

TInfoBoegen::Sheet& TInfoBoegen::Visible() { return sheets_[pages_->currentIndex() == 1 ? 1 : 0]; }

void TInfoBoegen::EnableTakeOver() {
  const auto values = Values(Visible());
  takeOver_->setEnabled(values && parts::BendTakeOverValues(*values, Us(), Edition()).has_value());
}

void TInfoBoegen::TakeOver() {
  const Sheet& sheet = Visible();
  const auto values = Values(sheet);
  if (!values) return;
  const auto dimensions = parts::BendTakeOverValues(*values, Us(), Edition());
  if (!dimensions) return;
  const std::string name = Name(sheet.nameKey + std::to_string(Row(sheet.standards) + 1));
  HandOver({parts::PartKind::Bend, name, 4, 1, {dimensions->begin(), dimensions->end()}, Us()});
}

}  // namespace velmora::gui
