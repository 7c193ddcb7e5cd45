#pragma once

#include <QObject>
#include <QString>

#include "calculators/CalculatorForm.h"
#include "mainform/MainForm.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class TAusfluss_konstDlg;
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

  // The display units or decimals changed: the open-channel dialogs drop their results and take
  // the new captions.
  void DisplayChanged(const calculators::Display& display);

 private:
  TDrosselblendeDlg* OrificeDesign();
  TAusfluss_konstDlg* Outflow();
  TAusfluss_veraeDlg* DrainingTime();
  TGerinneDlg* OpenChannel();
  TKanalDlg* ChannelDesign();
  TDabaAusflusszahlDlg* SmallOpenings();
  TDabaAusflusszahl_grossDlg* LargeOpenings();
  TDabaStricklerDlg* Strickler();

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
};

}  // namespace velmora::gui
