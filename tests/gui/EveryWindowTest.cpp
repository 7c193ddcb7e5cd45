// Every window of the program in every edition, opened as the program opens it and at the size it
// opens with: no label, button, check box, radio button or group title is cut off, every window has
// its caption and fits a small screen, every text the windows ask for is there, and every text
// takes the values it is given.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "MainWindowFixture.h"
#include "catalogue/ElementLayout.h"
#include "curve/TKurve.h"
#include "fluids/TGaswarnungDlg.h"
#include "help/THilfeFenster.h"
#include "parts/CatalogueFile.h"
#include "results/TAusgabe_Fenster.h"
#include "shortdisplay/TKurzAnzeige.h"
#include "toolkit/FileDialogs.h"

namespace velmora::gui {
namespace {

// The smallest screen the windows are made for.
constexpr QSize kScreen(1280, 800);

// Qt's warnings while the windows open: a text whose placeholders do not match its arguments.
QStringList* warnings = nullptr;
QtMessageHandler previousHandler = nullptr;
void RecordWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && warnings != nullptr && message.startsWith("QString::arg")) *warnings << message;
  if (previousHandler != nullptr) previousHandler(type, context, message);
}

// Why the control's text does not fit it (a wrapping label: its height); empty when it fits.
QString CutOff(const QWidget& control) {
  QSize needed;
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
    if (label->wordWrap()) {
      const int height = label->heightForWidth(label->width());
      return height > label->height() ? QString("needs %1 px high, has %2").arg(height).arg(label->height())
                                      : QString();
    }
    needed = label->sizeHint();
  } else if (qobject_cast<const QPushButton*>(&control) || qobject_cast<const QCheckBox*>(&control) ||
             qobject_cast<const QRadioButton*>(&control)) {
    if (static_cast<const QAbstractButton&>(control).text().isEmpty()) return {};
    needed = control.sizeHint();
  } else if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
    if (box->title().isEmpty()) return {};
    needed = box->minimumSizeHint();
  } else {
    return {};
  }
  if (needed.width() <= control.width() && needed.height() <= control.height()) return {};
  return QString("needs %1x%2 px, has %3x%4")
      .arg(needed.width())
      .arg(needed.height())
      .arg(control.width())
      .arg(control.height());
}

class EveryWindow : public MainWindowFixture, public testing::WithParamInterface<text::Edition> {
 protected:
  text::Edition Edition() const override { return GetParam(); }
  void SetUp() override {
    MainWindowFixture::SetUp();
    window->SetUserMediaFolder(settingsFolder.path());
    SetFileDialogInterceptor([](const FileDialogRequest&) { return QString(); });
    warnings = &offenders;
    previousHandler = qInstallMessageHandler(RecordWarning);
  }
  void TearDown() override {
    qInstallMessageHandler(previousHandler);
    warnings = nullptr;
    SetFileDialogInterceptor({});
    MainWindowFixture::TearDown();
  }

  // Records every control of the shown window whose text is cut off, on every page of its tabs.
  void Inspect(QWidget& shown, const QString& name) {
    QApplication::processEvents();
    inspected << name;
    if (shown.windowTitle().isEmpty()) offenders << name + " has no caption";
    const QSize least = shown.minimumSizeHint();
    if (least.width() > kScreen.width() || least.height() > kScreen.height()) {
      offenders << QString("%1 needs %2x%3 px, more than a screen of %4x%5")
                       .arg(name)
                       .arg(least.width())
                       .arg(least.height())
                       .arg(kScreen.width())
                       .arg(kScreen.height());
    }
    const auto look = [&] {
      for (const QWidget* control : shown.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->window() != &shown) continue;
        const QString problem = CutOff(*control);
        if (!ShownText(*control).isEmpty()) ++controls;
        const QString offender =
            QString("%1 %2 (%3, \"%4\"): %5")
                .arg(name, control->objectName(), control->metaObject()->className(), ShownText(*control), problem);
        if (!problem.isEmpty() && !offenders.contains(offender)) offenders << offender;
      }
    };
    look();
    for (QTabWidget* tabs : shown.findChildren<QTabWidget*>()) {
      const int current = tabs->currentIndex();
      for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        look();
      }
      tabs->setCurrentIndex(current);
    }
  }
  static QString ShownText(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) return box->title();
    return {};
  }

  // Runs `open`, which shows a modal window; inspects it, runs `inside` while it is shown, closes it.
  void Modal(const QString& name, const std::function<void()>& open, const std::function<void(QDialog&)>& inside = {}) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      opened = true;
      Inspect(*dialog, name);
      if (inside) inside(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    open();
    QApplication::processEvents();
    EXPECT_TRUE(opened) << name.toStdString() << " did not open";
  }
  void Command(const char* command, const std::function<void(QDialog&)>& inside = {}) {
    Modal(
        command, [&] { Find<QAction>(command)->trigger(); }, inside);
  }
  void Button(QDialog& dialog, const QString& name, const char* button,
              const std::function<void(QDialog&)>& inside = {}) {
    Modal(
        name, [&] { dialog.findChild<QAbstractButton*>(button)->click(); }, inside);
  }
  // A window that stays open beside the main window.
  template <typename Window>
  void Beside(const QString& name) {
    QApplication::processEvents();
    auto* shown = window->findChild<Window*>();
    ASSERT_NE(shown, nullptr) << name.toStdString();
    EXPECT_TRUE(shown->isVisible()) << name.toStdString();
    Inspect(*shown, name);
    shown->close();
  }
  QString Decimal(QString text) const { return parts::UsesDecimalPoint(Edition()) ? text.replace(',', '.') : text; }

  int controls = 0;
  QStringList inspected;
  QStringList offenders;
};

TEST(CutOff, SeesATextWiderOrHigherThanItsControl) {
  QWidget shown;
  auto* label = new QLabel("a text far wider than ten pixels", &shown);
  auto* wrapped = new QLabel("a text that wraps onto several lines in its few pixels", &shown);
  wrapped->setWordWrap(true);
  auto* box = new QGroupBox("a group title far wider than ten pixels", &shown);
  auto* check = new QCheckBox("a check box", &shown);
  for (QWidget* control : std::initializer_list<QWidget*>{label, wrapped, box, check}) control->setFixedSize(10, 10);
  auto* fitting = new QPushButton("OK", &shown);
  fitting->resize(fitting->sizeHint());
  shown.show();
  for (QWidget* control : std::initializer_list<QWidget*>{label, wrapped, box, check}) {
    EXPECT_FALSE(CutOff(*control).isEmpty()) << control->metaObject()->className();
  }
  EXPECT_TRUE(CutOff(*fitting).isEmpty());
}

TEST_P(EveryWindow, ShowsEveryTextWholeAndCaptioned) {
  for (const auto& layout : catalogue::ElementLayouts()) {
    window->SelectElement(layout.group, layout.kind);
    Inspect(*window, QString("MyWindow %1/%2").arg(layout.group).arg(layout.kind));
  }
  window->SelectElement(1, 1);
  Find<QRadioButton>("Radio_gas")->click();
  Inspect(*window, "MyWindow gas");
  Find<QRadioButton>("Radio_fluessig")->click();
  PressCalculate();
  Inspect(*window->ResultsWindow(), "Ausgabe_Fenster");

  const char* plain[] = {"Rohrleitungselementwhlen1",
                         "Rohre1",
                         "Rohrerechteckig1",
                         "Bgen1",
                         "ReduzierungenErweiterungen1",
                         "T1",
                         "ZetaDatenbank1",
                         "StoffdatenWasser1",
                         "StoffdatenWasserSttigungszustand1",
                         "StoffdatenLuft1",
                         "StoffdatenfeuchteLuft1",
                         "StoffdatenLuftSttigungszustand1",
                         "StoffdatensonstigeMedien1",
                         "StoffdatensonstigeGase1",
                         "Stoffdatenabschtzen1",
                         "WssrigeLsungenberechnen1",
                         "Kuehlsolenberechnen",
                         "Wrmetrgerleberechnen1",
                         "BenutzerdefinierteDatenbank1",
                         "Stoffdatenbankbearbeiten1",
                         "Nennweite1",
                         "NennweiteGase1",
                         "Frderhhe1",
                         "RohrInhaltFllzeit1",
                         "GeschwindigkeitinVolumenstrom1",
                         "VolumenstrominGeschwindigkeit1",
                         "NormminBetriebsm1",
                         "kvinZeta1",
                         "CvinZeta1",
                         "DrosselblendeAuslegung1",
                         "GewhlteTabellenspaltendern1",
                         "GlobaleTabellennderungen1",
                         "Spaltenbreitendern1",
                         "Einstellungen2",
                         "AufUpgradesprfen1",
                         "Upgradesinstallieren1",
                         "Info1"};
  for (const char* command : plain) Command(command);
  if (Edition() == 'D') Command("Einheitenumrechnen1");
  // The databases the calculators open.
  Command("NPSHWert1", [&](QDialog& d) { Button(d, "DaDruDialog", "BitBtn1"); });
  for (const char* command : {"KonstanterFlssigkeitsspiegel1", "AbnehmenderFlssigkeitsspiegel1"}) {
    Command(command, [&](QDialog& d) {
      Button(d, "DabaAusflusszahlDlg", "BitBtn3");
      if (auto* large = d.findChild<QAbstractButton*>("RadioGroup4_1")) {
        large->click();
        Button(d, "DabaAusflusszahl_grossDlg", "BitBtn3");
      }
    });
  }
  for (const char* command : {"VorhandenesGerinneberechnen1", "Gerinneauslegen1"}) {
    Command(command, [&](QDialog& d) { Button(d, "DabaStricklerDlg", "BitBtn1"); });
  }
  Command("PumpenSchnellauslegung1", [&](QDialog& d) {
    const std::pair<const char*, const char*> plant[] = {{"Edit_Pumpe", "P1"},
                                                         {"Edit3", "30"},
                                                         {"Edit4", "998,2"},
                                                         {"Edit5", "1002"},
                                                         {"Edit_Dampfdruck", "0,02339"},
                                                         {"Edit_Behaelter_S", "1,01325"},
                                                         {"Edit_Geo_S", "2"},
                                                         {"Edit_Rohrlaenge_S", "5"},
                                                         {"Edit_Durchmesser_S", "100"},
                                                         {"Edit_Behaelter_D", "3"},
                                                         {"Edit_Geo_D", "20"},
                                                         {"Edit_Rohrlaenge_D", "50"},
                                                         {"Edit_Durchmesser_D", "80"}};
    for (const auto& [edit, value] : plant) d.findChild<QLineEdit*>(edit)->setText(Decimal(value));
    Button(d, "PSchnellAusgabe", "OKBtn");
    Button(d, "DaDruDialog (pump)", "BitBtn1");
  });
  Modal("RauDatenbank", [&] { Find<QToolButton>("SpeedButton1")->click(); });
  Command("Tabelledrucken2");  // the page setup
  Command("Druckverlustkurve1", [&](QDialog& d) { d.findChild<QAbstractButton*>("BitBtn1")->click(); });
  Beside<TKurve>("Kurve");
  Find<QAction>("Kurzanzeigeanzeigen1")->trigger();
  Beside<TKurzAnzeige>("KurzAnzeige");
  Find<QAction>("Index1")->trigger();
  Beside<THilfeFenster>("HilfeFenster");
  // The gas notes, which open only before a gas calculation of several elements.
  auto* gasNotes = window->findChild<TGaswarnungDlg*>();
  ASSERT_NE(gasNotes, nullptr);
  gasNotes->show();
  Inspect(*gasNotes, "GaswarnungDlg");
  gasNotes->close();

  EXPECT_TRUE(offenders.isEmpty()) << GetParam() << ": " << offenders.size() << " cut off\n"
                                   << offenders.join('\n').toStdString();
  const text::TextStore& texts = testing_support::Texts(GetParam());
  EXPECT_TRUE(texts.MissingTexts().empty()) << GetParam() << " misses " << *texts.MissingTexts().begin();
  EXPECT_GE(inspected.size(), 120) << inspected.join(", ").toStdString();
  EXPECT_GE(controls, 10000);
}

INSTANTIATE_TEST_SUITE_P(Editions, EveryWindow, testing::ValuesIn(text::kEditions),
                         [](const testing::TestParamInfo<text::Edition>& info) { return std::string(1, info.param); });

}  // namespace
}  // namespace velmora::gui
