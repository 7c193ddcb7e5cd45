#include "parts/CatalogueDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// Result labels are wide enough for "1234,567" and framed like read-only fields.
constexpr int kValueMinimumWidth = 80;
// Room for a few entries; the lists grow with the dialog.
constexpr int kListMinimumHeight = 210;

std::string WithArguments(std::string text, const std::string& first, const std::string& second = {}) {
  if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, first);
  if (const std::size_t at = text.find("%2"); at != std::string::npos) text.replace(at, 2, second);
  return text;
}

}  // namespace

CatalogueDialog::CatalogueDialog(const text::TextStore& texts, QString programFolder, std::string_view block,
                                 QWidget* parent)
    : QDialog(parent), texts_(texts), programFolder_(std::move(programFolder)), block_(block) {
  setObjectName(QString::fromUtf8(block.data(), static_cast<int>(block.size())));
  setWindowTitle(Text("Caption"));
}

void CatalogueDialog::Present(bool us, TakeOverReceiver receiver, std::optional<int> fixedChoice) {
  us_ = us;
  receiver_ = std::move(receiver);
  if (!filled_) {
    filled_ = true;
    FillOnce();
  }
  FixChoice(fixedChoice);
}

void CatalogueDialog::FixChoice(std::optional<int>) {}

parts::CatalogueFile CatalogueDialog::LoadFile(std::string_view name) {
  parts::CatalogueFile file =
      parts::LoadCatalogueFile(programFolder_.toStdString(), name, parts::UsesDecimalPoint(texts_.edition()));
  const std::string caption = texts_.GlobalText(text::global::kFileCaption);
  if (file.missing) {
    ShowMessage(this, {WithArguments(Name("msgMissingFile"), file.name), caption, text::MessageIcon::Exclamation, {}});
  } else if (!file.damagedLines.empty()) {
    ShowMessage(this, {WithArguments(Name("msgDamagedFile"), file.name, std::to_string(file.damagedLines.front())),
                       caption,
                       text::MessageIcon::Exclamation,
                       {}});
  }
  return file;
}

QString CatalogueDialog::Text(std::string_view key) const { return ToQString(texts_.FormText(block_, key)); }

std::string CatalogueDialog::Name(std::string_view key) const { return texts_.FormText(block_, key); }

CatalogueDialog::StandardItem CatalogueDialog::StandardEntry(std::string_view key, bool available) const {
  if (available) return {Text(key), true};
  if (!texts_.HasFormText(block_, key)) return {Text("NotAvailable"), false};
  return {Text(key) + " " + Text("NotAvailable"), false};
}

void CatalogueDialog::HandOver(const parts::PartTakeOver& takeOver) {
  if (receiver_) receiver_(takeOver);
}

QListWidget* CatalogueDialog::List(QWidget* parent, const char* name, int minimumWidth) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setMinimumWidth(minimumWidth);
  list->setMinimumHeight(kListMinimumHeight);
  return list;
}

QLabel* CatalogueDialog::Caption(QWidget* parent, const char* name, const QString& text) {
  QLabel* label = MakeLabel(parent, name);
  label->setText(text);
  return label;
}

QLabel* CatalogueDialog::Value(QWidget* parent, const char* name) {
  return MakeValue(parent, name, kValueMinimumWidth);
}

QGroupBox* CatalogueDialog::Choice(QWidget* parent, const char* name, std::initializer_list<std::string_view> keys,
                                   QButtonGroup** group, bool sideBySide) {
  auto* box = new QGroupBox(Text("RadioGroup"), parent);
  box->setObjectName(name);
  QBoxLayout* layout = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(box)) : new QVBoxLayout(box);
  *group = new QButtonGroup(box);
  int id = 0;
  for (const std::string_view key : keys) {
    auto* option = new QRadioButton(Text(key), box);
    option->setObjectName(QString(name) + "_" + QString::number(id));
    layout->addWidget(option);
    (*group)->addButton(option, id++);
  }
  (*group)->button(0)->setChecked(true);
  if (sideBySide) layout->addStretch();
  return box;
}

QPushButton* CatalogueDialog::Button(const char* name, std::string_view key) {
  return MakeButton(this, name, Text(key));
}

QLabel* CatalogueDialog::AddList(QGridLayout* grid, int row, int column, QLabel* heading, QListWidget* list) {
  heading->setWordWrap(true);
  grid->addWidget(heading, row, column, Qt::AlignBottom);
  grid->addWidget(list, row + 1, column);
  return heading;
}

void CatalogueDialog::AddValues(QGridLayout* grid, int row, const QString& caption,
                                std::initializer_list<std::pair<QLabel*, const char*>> values) {
  grid->addWidget(new QLabel(caption, grid->parentWidget()), row, 0);
  int column = 1;
  for (const auto& [value, unit] : values) {
    grid->addWidget(value, row, column++);
    grid->addWidget(new QLabel(unit, grid->parentWidget()), row, column++);
  }
}

QWidget* CatalogueDialog::InfoButton(const char* name, std::string_view hintKey, std::string_view textKey) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  button->setToolTip(Text(hintKey));
  const std::string key(textKey);
  connect(button, &QToolButton::clicked, this, [this, key] {
    ShowMessage(this,
                {Name(key), texts_.GlobalText(text::global::kInformationCaption), text::MessageIcon::Information, {}});
  });
  return button;
}

void CatalogueDialog::Fill(QListWidget* list, const std::vector<std::string>& entries, int row) {
  QStringList texts;
  for (const std::string& entry : entries) texts << ToQString(entry);
  Fill(list, texts, row);
}

void CatalogueDialog::Fill(QListWidget* list, const QStringList& entries, int row) {
  const QSignalBlocker block(list);
  list->clear();
  list->addItems(entries);
  list->setCurrentRow(row >= 0 && row < list->count() ? row : (list->count() > 0 ? 0 : -1));
}

void CatalogueDialog::FillStandards(QListWidget* list, const std::vector<StandardItem>& items) {
  const QSignalBlocker block(list);
  list->clear();
  int first = -1;
  for (const StandardItem& item : items) {
    auto* entry = new QListWidgetItem(item.text, list);
    if (!item.available) entry->setFlags(entry->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    if (item.available && first < 0) first = list->count() - 1;
  }
  list->setCurrentRow(first);
}

int CatalogueDialog::Row(const QListWidget* list) { return list->currentRow(); }

std::size_t CatalogueDialog::Index(const QListWidget* list) {
  return static_cast<std::size_t>(std::max(0, list->currentRow()));
}

}  // namespace velmora::gui
