#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "calculators/CalculatorForm.h"
#include "calculators/PumpDesign.h"
#include "mainform/MainForm.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class TAusfluss_konstDlg;
class TCv_in_ZetaDlg;
class TDaDruDialog;
class TEhuInfo;
class TFoerderhoehe_Dlg;
class TInhaltDlg;
class TKurve;
class TNPSHDialog;
class TNennw_Fl_Dlg;
class TNennw_Ga_Dlg;
class TNorm_in_Betrieb_Dlg;
class TPSchnellAuslegung;
class Tgeschw_v;
class Tkv_in_Zeta_Dlg;
class Tv_geschw;
class TAusfluss_veraeDlg;
class TDabaAusflusszahlDlg;
class TDabaAusflusszahl_grossDlg;
class TDabaStricklerDlg;
class TDrosselblendeDlg;
class TGerinneDlg;
class TKanalDlg;

// The calculator windows of the main window: each created on first use and kept (with its
// inputs) while the program runs, shown modally for the display settings of the moment; the
// coefficient databases hand their values to the dialogs that asked for them.
class CalculatorWindows : public QObject {
  Q_OBJECT

 public:
  CalculatorWindows(const text::TextStore& texts, QString programFolder, QWidget* owner);

  void OpenOrificeDesign(const mainform::MainForm& main, const calculators::Display& display);
  void OpenOutflow(const calculators::Display& display);
  void OpenDrainingTime(const calculators::Display& display);
  void OpenOpenChannel(const calculators::Display& display);
  void OpenChannelDesign(const calculators::Display& display);

  // The main window as the calculators II see it: its inputs, writing them back, the results table.
  struct MainWindowHooks {
    std::function<mainform::MainForm()> readForm;
    std::function<void(const mainform::MainForm&)> writeForm;
    std::function<const results::ResultsTable&()> table;
  };
  void SetMainWindow(MainWindowHooks hooks) { main_ = std::move(hooks); }

  void OpenPumpDesign(const calculators::Display& display);
  // The pump quick design with a saved design (*.psa) read in, as a double click on the file asks.
  void OpenPumpDesignFile(const QString& file, const calculators::Display& display);
  void OpenNpsh(const calculators::Display& display);
  void OpenEconomicDiameter(bool gas, const calculators::Display& display);
  void OpenPumpHead(const calculators::Display& display);
  void OpenVelocityToFlow(const calculators::Display& display);
  void OpenFlowToVelocity(const calculators::Display& display);
  void OpenStandardToOperating(const calculators::Display& display);
  void OpenValveZeta(bool cv, const calculators::Display& display);
  void OpenPipelineContent(const calculators::Display& display);
  void OpenUnitConverterInfo();

  TPSchnellAuslegung* PumpDesign();
  // Whether the pump quick design is shown (the databases then take over into it).
  bool PumpDesignShown() const;
  TNPSHDialog* Npsh();
  TDaDruDialog* VapourPressures();

  // The display units or decimals changed: the open-channel dialogs drop their results and take
  // the new captions.
  void DisplayChanged(const calculators::Display& display);

 signals:
  // The pump quick design asks for a database; the main window opens it over the pump window.
  void PumpPipeCatalogueRequested();
  void PumpZetaDatabaseRequested();
  void PumpRoughnessDatabaseRequested();

 private:
  TDrosselblendeDlg* OrificeDesign();
  TAusfluss_konstDlg* Outflow();
  TAusfluss_veraeDlg* DrainingTime();
  TGerinneDlg* OpenChannel();
  TKanalDlg* ChannelDesign();
  TDabaAusflusszahlDlg* SmallOpenings();
  TDabaAusflusszahl_grossDlg* LargeOpenings();
  TDabaStricklerDlg* Strickler();
  template <typename Dialog>
  Dialog* Made(Dialog*& dialog);
  void ShowPumpCurve(const calculators::PumpDesignInput& input, const calculators::PumpDesignResult& result);

  const text::TextStore& texts_;
  QString programFolder_;
  QWidget* owner_;
  TDrosselblendeDlg* orificeDesign_ = nullptr;
  TAusfluss_konstDlg* outflow_ = nullptr;
  TAusfluss_veraeDlg* drainingTime_ = nullptr;
  TGerinneDlg* openChannel_ = nullptr;
  TKanalDlg* channelDesign_ = nullptr;
  TDabaAusflusszahlDlg* smallOpenings_ = nullptr;
  TDabaAusflusszahl_grossDlg* largeOpenings_ = nullptr;
  TDabaStricklerDlg* strickler_ = nullptr;
  MainWindowHooks main_;
  TPSchnellAuslegung* pumpDesign_ = nullptr;
  TNPSHDialog* npsh_ = nullptr;
  TDaDruDialog* vapourPressures_ = nullptr;
  TNennw_Fl_Dlg* liquidDiameter_ = nullptr;
  TNennw_Ga_Dlg* gasDiameter_ = nullptr;
  TFoerderhoehe_Dlg* pumpHead_ = nullptr;
  Tgeschw_v* velocityToFlow_ = nullptr;
  Tv_geschw* flowToVelocity_ = nullptr;
  TNorm_in_Betrieb_Dlg* standardToOperating_ = nullptr;
  Tkv_in_Zeta_Dlg* kvZeta_ = nullptr;
  TCv_in_ZetaDlg* cvZeta_ = nullptr;
  TInhaltDlg* content_ = nullptr;
  TEhuInfo* unitInfo_ = nullptr;
  TKurve* pumpCurve_ = nullptr;
};

}  // namespace velmora::gui
