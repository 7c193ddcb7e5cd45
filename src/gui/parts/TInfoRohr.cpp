#include "parts/TInfoRohr.h"

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
#include "text/GlobalTexts.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kNominalPressure = 97;  // "Nenndruck"
constexpr int kNominalSize = 99;      // "Nennweite"
constexpr int kSeriesWord = 115;      // "Reihe"
constexpr int kNotStandard = 80;      // "nicht genormt": a wall the standard does not have

constexpr const char* kUnitsMetric[] = {"mm", "mm", "mm", "in.", "kg/m", "lb/ft"};
constexpr const char* kUnitsInches[] = {"in.", "in.", "in.", "mm", "kg/m", "lb/ft"};

}  // namespace

// The control names of one sheet.
struct TInfoRohr::SheetNames {
  const char* page;
  const char* materials;
  const char* standards;
  const char* sizes;
  const char* columns;
  std::array<const char*, 3> headings;  // standards, sizes, columns
  std::array<const char*, 6> values;
  const char* series;  // nullptr: the sheet has no series
  const char* pageKey;
};

TInfoRohr::TInfoRohr(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CatalogueDialog(texts, std::move(programFolder), "InfoRohr", parent) {
  static const SheetNames kNames[] = {
      {"DINSheet",
       "RadioGroup1",
       "ListBox1",
       "ListBox2",
       "ListBox3",
       {"Label1", "Label2", "Label3"},
       {"Label6", "Label7", "Label8", "Label18", "Label22", "Label24"},
       "Label29",
       "DINSheet"},
      {"ANSISheet",
       "RadioGroup2",
       "ListBox4",
       "ListBox5",
       "ListBox6",
       {"Label31", "Label32", "Label33"},
       {"Label36", "Label37", "Label38", "Label39", "Label40", "Label41"},
       nullptr,
       "ANSISheet"},
      {"DivSheet",
       "RadioGroup3",
       "ListBox7",
       "ListBox8",
       "ListBox9",
       {"Label43", "Label44", "Label45"},
       {"Label46", "Label47", "Label48", "Label49", "Label50", "Label51"},
       "Label59",
       "DivSheet"},
  };
  const char* const nameKeys[] = {"Norm", "ANorm", "ONorm"};
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    sheets_[i].id = parts::kPipeSheets[i];
    sheets_[i].nameKey = nameKeys[i];
    pages_->addTab(BuildSheet(sheets_[i], kNames[i]), Text(kNames[i].pageKey));
  }
  takeOver_ = Button("BitBtn1", "BitBtn1");
  QPushButton* close = Button("OKBtn", "OKBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(InfoButton("SpeedButton7", "SpeedButton7", "Info"));
  buttons->addStretch();
  buttons->addWidget(takeOver_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kCircularPipes, buttons);
  connect(takeOver_, &QPushButton::clicked, this, &TInfoRohr::TakeOver);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(pages_, &QTabWidget::currentChanged, this, &TInfoRohr::EnableTakeOver);
  takeOver_->setEnabled(false);
}

QWidget* TInfoRohr::BuildSheet(Sheet& sheet, const SheetNames& names) {
  auto* page = new QWidget;
  page->setObjectName(names.page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Choice(page, names.materials, {"Material0", "Material1", "Material2"}, &sheet.materials, true));

  auto* lists = new QGridLayout;
  sheet.standards = List(page, names.standards, 330);
  sheet.sizes = List(page, names.sizes, 120);
  sheet.columns = List(page, names.columns, 100);
  AddList(lists, 0, 0, Caption(page, names.headings[0], Text("LabelStandards")), sheet.standards);
  sheet.sizeHeading = AddList(lists, 0, 1, Caption(page, names.headings[1]), sheet.sizes);
  sheet.columnHeading = AddList(lists, 0, 2, Caption(page, names.headings[2]), sheet.columns);
  lists->setColumnStretch(0, 3);
  lists->setColumnStretch(1, 1);
  lists->setColumnStretch(2, 1);
  layout->addLayout(lists);

  for (std::size_t i = 0; i < sheet.values.size(); ++i) sheet.values[i] = Value(page, names.values[i]);
  const bool inches = sheet.id == parts::PipeSheet::Asme;
  const auto& units = inches ? kUnitsInches : kUnitsMetric;
  auto* results = new QGridLayout;
  AddValues(results, 0, Text("LabelOuter"), {{sheet.values[0], units[0]}});
  AddValues(results, 1, Text("LabelWall"), {{sheet.values[1], units[1]}});
  AddValues(results, 2, Text("LabelInner"), {{sheet.values[2], units[2]}, {sheet.values[3], units[3]}});
  AddValues(results, 3, Text("LabelMass"), {{sheet.values[4], units[4]}, {sheet.values[5], units[5]}});
  if (names.series != nullptr) {
    sheet.series = Caption(page, names.series);
    results->addWidget(sheet.series, 4, 0, 1, 5);
  }
  results->setColumnStretch(5, 1);
  layout->addLayout(results);

  connect(sheet.materials, &QButtonGroup::idToggled, this, [this, &sheet](int, bool checked) {
    if (checked) ChooseMaterial(sheet);
  });
  connect(sheet.standards, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseStandard(sheet); });
  connect(sheet.sizes, &QListWidget::currentRowChanged, this, [this, &sheet] { ChooseSize(sheet); });
  connect(sheet.columns, &QListWidget::currentRowChanged, this, [this, &sheet] { ShowValues(sheet); });
  return page;
}

void TInfoRohr::FillOnce() {
  for (Sheet& sheet : sheets_) {
    sheet.file = LoadFile(parts::PipeFileName(sheet.id));
    ChooseMaterial(sheet);
  }
}

void TInfoRohr::ChooseMaterial(Sheet& sheet) {
  const int material = std::max(0, sheet.materials->checkedId());
  sheet.tables = parts::PipeTablesOf(sheet.id, parts::kMaterials[material]);
  std::vector<StandardItem> entries;
  for (const parts::PipeTable* table : sheet.tables) {
    const std::string key = sheet.nameKey + std::to_string(table->number);
    entries.push_back(StandardEntry(key, parts::PipeStandard(*table, sheet.file).Available()));
  }
  if (entries.empty()) entries.push_back({Text("NotAvailable"), false});
  FillStandards(sheet.standards, entries);
  ChooseStandard(sheet);
}

void TInfoRohr::ChooseStandard(Sheet& sheet) {
  const int row = Row(sheet.standards);
  sheet.standard.reset();
  if (row >= 0 && static_cast<std::size_t>(row) < sheet.tables.size()) {
    sheet.standard.emplace(*sheet.tables[static_cast<std::size_t>(row)], sheet.file);
    if (!sheet.standard->Available()) sheet.standard.reset();
  }
  QString sizeHeading = ToQString(Texts().GlobalText(kNominalSize)) + " DN";
  QString columnHeading;
  if (sheet.standard) {
    switch (sheet.standard->Table().layout) {
      case parts::PipeLayout::Nenndruck: columnHeading = ToQString(Texts().GlobalText(kNominalPressure)) + " PN"; break;
      case parts::PipeLayout::Sdr: columnHeading = "SDR"; break;
      case parts::PipeLayout::Schedule:
        sizeHeading = Text("HeadingNps");
        columnHeading = Text("HeadingSchedule");
        break;
      case parts::PipeLayout::AdUndReihe:
      case parts::PipeLayout::AdUndS:
        sizeHeading = Text("HeadingOuter");
        columnHeading = Text("HeadingWall");
        break;
      case parts::PipeLayout::NennDa: sizeHeading = Text("HeadingOuter"); break;
      case parts::PipeLayout::NurS: break;
    }
  }
  sheet.sizeHeading->setText(sizeHeading);
  sheet.columnHeading->setText(columnHeading);
  Fill(sheet.sizes, sheet.standard ? sheet.standard->Sizes(Edition()) : std::vector<std::string>{});
  Fill(sheet.columns, sheet.standard ? sheet.standard->Columns(0, Edition()) : std::vector<std::string>{});
  sheet.columns->setEnabled(sheet.columns->count() > 0);
  ChooseSize(sheet);
}

void TInfoRohr::ChooseSize(Sheet& sheet) {
  // Columns of walls belong to their size line; titled columns stay as chosen.
  if (sheet.standard && parts::HasWallColumns(sheet.standard->Table().layout)) {
    Fill(sheet.columns, sheet.standard->Columns(Index(sheet.sizes), Edition()));
  }
  ShowValues(sheet);
}

void TInfoRohr::ShowValues(Sheet& sheet) {
  if (!sheet.standard || Row(sheet.sizes) < 0) {
    for (QLabel* value : sheet.values) value->clear();
    if (sheet.series != nullptr) sheet.series->clear();
    EnableTakeOver();
    return;
  }
  const parts::PipeValues values = sheet.standard->Values(Index(sheet.sizes), Index(sheet.columns));
  const parts::PipeDisplay shown = parts::ShowPipe(values, Edition(), Texts().GlobalText(kNotStandard));
  const bool inches = values.inches;
  const std::string texts[] = {
      shown.outer,  shown.wall,  inches ? shown.innerInches : shown.innerMm, inches ? shown.innerMm : shown.innerInches,
      shown.massKg, shown.massLb};
  for (std::size_t i = 0; i < sheet.values.size(); ++i) sheet.values[i]->setText(ToQString(texts[i]));
  if (sheet.series != nullptr) {
    const std::string series = sheet.standard->Series(Index(sheet.sizes));
    sheet.series->setText(series.empty() ? QString() : ToQString(Texts().GlobalText(kSeriesWord) + " " + series));
  }
  EnableTakeOver();
}

TInfoRohr::Sheet& TInfoRohr::Visible() {
  return sheets_[static_cast<std::size_t>(std::clamp(pages_->currentIndex(), 0, 2))];
}

std::optional<std::string> TInfoRohr::TakeOverValue(const Sheet& sheet) const {
  if (!sheet.standard || Row(sheet.sizes) < 0) return std::nullopt;
  return parts::PipeTakeOverValue(sheet.standard->Values(Index(sheet.sizes), Index(sheet.columns)), Us(), Edition());
}

void TInfoRohr::EnableTakeOver() { takeOver_->setEnabled(TakeOverValue(Visible()).has_value()); }

void TInfoRohr::TakeOver() {
  const Sheet& sheet = Visible();
  const std::optional<std::string> value = TakeOverValue(sheet);
  if (!value) return;
  const std::string name = Name(sheet.nameKey + std::to_string(sheet.standard->Table().number));
  HandOver({parts::PartKind::Pipe, name, 1, 1, {*value}, Us()});
}

}  // namespace velmora::gui
