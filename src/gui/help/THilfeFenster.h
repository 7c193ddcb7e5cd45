#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <optional>

#include "help/HelpBook.h"
#include "text/TextStore.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora::gui {

// The manual's window: its contents and a search on the left, the page on the right, back,
// forward and the start page above. It shows the HTML pages of the help folder in the program
// folder (help/), read from disk: no network, no help engine.
class THilfeFenster : public QWidget {
  Q_OBJECT

 public:
  // `folder` holds the pages; `startPage` is the page of the help index (global text 71).
  THilfeFenster(const text::TextStore& texts, QString folder, QString startPage, QWidget* parent = nullptr);

  // Shows a page ("curve.html#range"); a page the manual lacks shows the start page. False when
  // the manual itself is missing (nothing is shown then).
  bool ShowPage(const QString& page);

  // The page shown, as "file.html" or "file.html#anchor".
  QString CurrentPage() const;
  const help::HelpBook& Book();

  // Runs the search of the search tab for `words` and lists the pages found.
  void Search(const QString& words);

 private:
  void BuildContents();
  void SourceChanged(const QUrl& source);
  void OpenSearchHit(int row);
  QUrl UrlOf(const QString& page) const;

  const text::TextStore& texts_;
  QString folder_;
  QString startPage_;
  std::optional<help::HelpBook> book_;  // read on first use
  QTabWidget* tabs_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* searchEdit_ = nullptr;
  QListWidget* hits_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
};

}  // namespace velmora::gui
