#include "help/THilfeFenster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "help/HelpSearch.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kPageRole = Qt::UserRole;

QToolButton* ToolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& text) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setText(text);
  button->setToolTip(text);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

THilfeFenster::THilfeFenster(const text::TextStore& texts, QString folder, QString startPage, QWidget* parent)
    : QWidget(parent, Qt::Window), texts_(texts), folder_(std::move(folder)), startPage_(std::move(startPage)) {
  setObjectName("HilfeFenster");
  const auto text = [&texts](const char* key) { return ToQString(texts.FormText(kHelpBlock, key)); };
  setWindowTitle(text("Caption"));

  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  back_ = ToolButton(this, "ZurueckBtn", QStyle::SP_ArrowBack, text("BackBtn"));
  forward_ = ToolButton(this, "VorBtn", QStyle::SP_ArrowForward, text("ForwardBtn"));
  QToolButton* home = ToolButton(this, "StartBtn", QStyle::SP_DirHomeIcon, text("HomeBtn"));
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(home);
  bar->addStretch();
  layout->addLayout(bar);

  auto* splitter = new QSplitter(this);
  tabs_ = new QTabWidget(splitter);
  tabs_->setObjectName("PageControl1");
  contents_ = new QTreeWidget(tabs_);
  contents_->setObjectName("TreeView1");
  contents_->header()->hide();
  tabs_->addTab(contents_, text("ContentsTab"));

  auto* searchPage = new QWidget(tabs_);
  auto* searchLayout = new QVBoxLayout(searchPage);
  auto* searchRow = new QHBoxLayout;
  searchEdit_ = new QLineEdit(searchPage);
  searchEdit_->setObjectName("SuchEdit");
  auto* searchButton = new QPushButton(text("SearchBtn"), searchPage);
  searchButton->setObjectName("SuchBtn");
  searchRow->addWidget(searchEdit_);
  searchRow->addWidget(searchButton);
  searchLayout->addLayout(searchRow);
  hits_ = new QListWidget(searchPage);
  hits_->setObjectName("SuchListe");
  searchLayout->addWidget(hits_);
  tabs_->addTab(searchPage, text("SearchTab"));

  browser_ = new QTextBrowser(splitter);
  browser_->setObjectName("Browser");
  browser_->setOpenExternalLinks(false);
  browser_->setSearchPaths({folder_});
  // The pages' look: the manual's stylesheet, for every page shown.
  QFile css(QDir(folder_).filePath("help.css"));
  if (css.open(QIODevice::ReadOnly)) browser_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({260, 740});
  layout->addWidget(splitter);

  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home, &QToolButton::clicked, this, [this] { ShowPage(startPage_); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &THilfeFenster::SourceChanged);
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(searchButton, &QPushButton::clicked, this, [this] { Search(searchEdit_->text()); });
  connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { Search(searchEdit_->text()); });
  connect(hits_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { OpenSearchHit(hits_->row(item)); });
  connect(hits_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { OpenSearchHit(hits_->row(item)); });
  resize(1000, 700);
}

const help::HelpBook& THilfeFenster::Book() {
  if (!book_) {
    book_ = help::HelpBook::Load(std::filesystem::path(ToStdString(folder_)));
    BuildContents();
  }
  return *book_;
}

void THilfeFenster::BuildContents() {
  contents_->clear();
  if (const help::HelpPage* start = book_->Find(ToStdString(startPage_))) {
    auto* item = new QTreeWidgetItem(contents_, {ToQString(start->title)});
    item->setData(0, kPageRole, startPage_);
  }
  std::map<int, QTreeWidgetItem*> parents;  // the last item of each depth
  for (const help::ContentsLine& line : book_->Contents(ToStdString(startPage_))) {
    const auto parent = parents.find(line.depth - 1);
    auto* item = parent == parents.end() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parent->second);
    item->setText(0, ToQString(line.page->title));
    item->setData(0, kPageRole, ToQString(line.page->id));
    parents[line.depth] = item;
  }
}

QUrl THilfeFenster::UrlOf(const QString& page) const {
  const qsizetype hash = page.indexOf('#');
  QUrl url = QUrl::fromLocalFile(QDir(folder_).absoluteFilePath(hash < 0 ? page : page.left(hash)));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  return url;
}

bool THilfeFenster::ShowPage(const QString& page) {
  const help::HelpBook& book = Book();
  const help::HelpPage* start = book.Find(ToStdString(startPage_));
  if (start == nullptr) {
    ShowMessage(this, {texts_.FormText(kHelpBlock, "msgNoManual") + "\n" + ToStdString(folder_),
                       {},
                       text::MessageIcon::Exclamation,
                       {}});
    return false;
  }
  const bool known = book.Resolves(ToStdString(page));
  browser_->setSource(UrlOf(known ? page : startPage_));
  return true;
}

QString THilfeFenster::CurrentPage() const {
  const QUrl source = browser_->source();
  const QString file = QFileInfo(source.toLocalFile()).fileName();
  return source.hasFragment() ? file + "#" + source.fragment() : file;
}

void THilfeFenster::SourceChanged(const QUrl& source) {
  const QString file = QFileInfo(source.toLocalFile()).fileName();
  const help::HelpPage* page = Book().Find(ToStdString(file));
  const QString caption = ToQString(texts_.FormText(kHelpBlock, "Caption"));
  setWindowTitle(page == nullptr ? caption : caption + " – " + ToQString(page->title));
  // The contents follow the page shown.
  const QList<QTreeWidgetItem*> items = contents_->findItems(QString(), Qt::MatchContains | Qt::MatchRecursive);
  for (QTreeWidgetItem* item : items) {
    if (item->data(0, kPageRole).toString() == file) {
      contents_->setCurrentItem(item);
      break;
    }
  }
}

void THilfeFenster::Search(const QString& words) {
  tabs_->setCurrentIndex(1);
  searchEdit_->setText(words);
  hits_->clear();
  const std::vector<help::SearchHit> found = help::Search(Book(), ToStdString(words));
  for (const help::SearchHit& hit : found) {
    auto* item = new QListWidgetItem(ToQString(hit.page->title), hits_);
    item->setData(kPageRole, ToQString(hit.page->id));
  }
  if (found.empty()) {
    auto* item = new QListWidgetItem(ToQString(texts_.FormText(kHelpBlock, "NoHits")), hits_);
    item->setFlags(Qt::NoItemFlags);
  }
}

void THilfeFenster::OpenSearchHit(int row) {
  const QListWidgetItem* item = hits_->item(row);
  if (item == nullptr || item->data(kPageRole).isNull()) return;
  ShowPage(item->data(kPageRole).toString());
  // The first word searched for is marked on the page.
  const QStringList words = searchEdit_->text().split(' ', Qt::SkipEmptyParts);
  if (!words.isEmpty()) browser_->find(words.first());
}

}  // namespace velmora::gui
