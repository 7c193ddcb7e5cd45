#include "toolkit/Help.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVariant>

#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kPageProperty = "helpPage";

HelpViewer& Viewer() {
  static HelpViewer viewer;
  return viewer;
}

QPushButton* HelpButton(QWidget& window, const text::TextStore& texts) {
  QPushButton* button = MakeButton(&window, "HelpBtn", ToQString(texts.FormText(kHelpBlock, "HelpBtn")));
  QObject::connect(button, &QPushButton::clicked, &window, [&window] { ShowHelp(&window, HelpPageOf(window)); });
  return button;
}

void AddShortcut(QWidget& window, const char* page) {
  window.setProperty(kPageProperty, QString::fromUtf8(page));
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  QObject::connect(shortcut, &QShortcut::activated, &window, [&window] { ShowHelp(&window, HelpPageOf(window)); });
}

}  // namespace

void SetHelpViewer(HelpViewer viewer) { Viewer() = std::move(viewer); }

void ShowHelp(QWidget* from, const QString& page) {
  if (Viewer()) Viewer()(from, page);
}

QPushButton* InstallHelp(QWidget& window, const text::TextStore& texts, const char* page, QBoxLayout* buttonRow) {
  AddShortcut(window, page);
  if (buttonRow == nullptr) return nullptr;
  QPushButton* button = HelpButton(window, texts);
  buttonRow->addWidget(button);
  return button;
}

QPushButton* InstallHelp(QWidget& window, const text::TextStore& texts, const char* page, QDialogButtonBox* buttons) {
  AddShortcut(window, page);
  if (buttons == nullptr) return nullptr;
  QPushButton* button = HelpButton(window, texts);
  buttons->addButton(button, QDialogButtonBox::HelpRole);
  return button;
}

QString HelpPageOf(const QWidget& window) { return window.property(kPageProperty).toString(); }

}  // namespace velmora::gui
