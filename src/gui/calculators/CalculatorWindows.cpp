#include "calculators/CalculatorWindows.h"

#include "calculators/TAusfluss_konstDlg.h"
#include "calculators/TAusfluss_veraeDlg.h"
#include "calculators/TDabaAusflusszahlDlg.h"
#include "calculators/TDrosselblendeDlg.h"
#include "calculators/TGerinneDlg.h"
#include "calculators/TKanalDlg.h"

namespace velmora::gui {

CalculatorWindows::CalculatorWindows(const text::TextStore& texts, QString programFolder, QWidget* owner)
    : QObject(owner), texts_(texts), programFolder_(std::move(programFolder)), owner_(owner) {}

void CalculatorWindows::OpenOrificeDesign(const mainform::MainForm& main, const calculators::Display& display) {
  TDrosselblendeDlg* dialog = OrificeDesign();
  dialog->Present(display);
  dialog->CopyFromMain(main);
  dialog->exec();
}

void CalculatorWindows::OpenOutflow(const calculators::Display& display) {
  Outflow()->Present(display);
  Outflow()->exec();
}

void CalculatorWindows::OpenDrainingTime(const calculators::Display& display) {
  DrainingTime()->Present(display);
  DrainingTime()->exec();
}

void CalculatorWindows::OpenOpenChannel(const calculators::Display& display) {
  OpenChannel()->Present(display);
  OpenChannel()->exec();
}

void CalculatorWindows::OpenChannelDesign(const calculators::Display& display) {
  ChannelDesign()->Present(display);
  ChannelDesign()->exec();
}

void CalculatorWindows::DisplayChanged(const calculators::Display& display) {
  if (openChannel_ != nullptr) openChannel_->Present(display);
  if (channelDesign_ != nullptr) channelDesign_->Present(display);
}

TDrosselblendeDlg* CalculatorWindows::OrificeDesign() {
  if (orificeDesign_ == nullptr) orificeDesign_ = new TDrosselblendeDlg(texts_, programFolder_, owner_);
  return orificeDesign_;
}

TAusfluss_konstDlg* CalculatorWindows::Outflow() {
  if (outflow_ == nullptr) {
    outflow_ = new TAusfluss_konstDlg(texts_, programFolder_, owner_);
    connect(outflow_, &TAusfluss_konstDlg::DatabaseRequested, this, [this](bool large) {
      if (large) {
        LargeOpenings()->exec();
      } else {
        SmallOpenings()->exec();
      }
    });
  }
  return outflow_;
}

TAusfluss_veraeDlg* CalculatorWindows::DrainingTime() {
  if (drainingTime_ == nullptr) {
    drainingTime_ = new TAusfluss_veraeDlg(texts_, programFolder_, owner_);
    connect(drainingTime_, &TAusfluss_veraeDlg::DatabaseRequested, this, [this] { SmallOpenings()->exec(); });
  }
  return drainingTime_;
}

TGerinneDlg* CalculatorWindows::OpenChannel() {
  if (openChannel_ == nullptr) {
    openChannel_ = new TGerinneDlg(texts_, programFolder_, owner_);
    connect(openChannel_, &TGerinneDlg::DatabaseRequested, this, [this] { Strickler()->exec(); });
  }
  return openChannel_;
}

TKanalDlg* CalculatorWindows::ChannelDesign() {
  if (channelDesign_ == nullptr) {
    channelDesign_ = new TKanalDlg(texts_, programFolder_, owner_);
    connect(channelDesign_, &TKanalDlg::DatabaseRequested, this, [this] { Strickler()->exec(); });
  }
  return channelDesign_;
}

TDabaAusflusszahlDlg* CalculatorWindows::SmallOpenings() {
  if (smallOpenings_ == nullptr) {
    // Modal over the dialog that asked, which is shown at that moment.
    smallOpenings_ = new TDabaAusflusszahlDlg(texts_, programFolder_, owner_);
    connect(smallOpenings_, &TDabaAusflusszahlDlg::CoefficientTakenOver, this, [this](const QString& mu) {
      if (outflow_ != nullptr) outflow_->TakeOverCoefficient(mu);
      if (drainingTime_ != nullptr) drainingTime_->TakeOverCoefficient(mu);
    });
  }
  return smallOpenings_;
}

TDabaAusflusszahl_grossDlg* CalculatorWindows::LargeOpenings() {
  if (largeOpenings_ == nullptr) {
    largeOpenings_ = new TDabaAusflusszahl_grossDlg(texts_, programFolder_, owner_);
    connect(largeOpenings_, &TDabaAusflusszahl_grossDlg::CoefficientTakenOver, this, [this](const QString& mu) {
      if (outflow_ != nullptr) outflow_->TakeOverCoefficient(mu);
    });
  }
  return largeOpenings_;
}

TDabaStricklerDlg* CalculatorWindows::Strickler() {
  if (strickler_ == nullptr) {
    strickler_ = new TDabaStricklerDlg(texts_, programFolder_, owner_);
    connect(strickler_, &TDabaStricklerDlg::CoefficientTakenOver, this, [this](const QString& coefficient) {
      if (openChannel_ != nullptr) openChannel_->TakeOverStrickler(coefficient);
      if (channelDesign_ != nullptr) channelDesign_->TakeOverStrickler(coefficient);
    });
  }
  return strickler_;
}

}  // namespace velmora::gui
