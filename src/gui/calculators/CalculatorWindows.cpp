#include "calculators/CalculatorWindows.h"

#include "calculators/ConverterDialogs.h"
#include "calculators/TAusfluss_konstDlg.h"
#include "calculators/TAusfluss_veraeDlg.h"
#include "calculators/TDabaAusflusszahlDlg.h"
#include "calculators/TDrosselblendeDlg.h"
#include "calculators/TGerinneDlg.h"
#include "calculators/TInhaltDlg.h"
#include "calculators/TKanalDlg.h"
#include "calculators/TNennwDialogs.h"
#include "calculators/TPSchnellAuslegung.h"
#include "curve/TKurve.h"
#include "fluids/TDaDruDialog.h"

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

template <typename Dialog>
Dialog* CalculatorWindows::Made(Dialog*& dialog) {
  if (dialog == nullptr) dialog = new Dialog(texts_, owner_);
  return dialog;
}

TPSchnellAuslegung* CalculatorWindows::PumpDesign() {
  if (pumpDesign_ != nullptr) return pumpDesign_;
  pumpDesign_ = new TPSchnellAuslegung(texts_, programFolder_, owner_);
  connect(pumpDesign_, &TPSchnellAuslegung::MainDataRequested, this, [this] {
    if (main_.readForm) pumpDesign_->SpeedButton1Click(main_.readForm());
  });
  connect(pumpDesign_, &TPSchnellAuslegung::PipeCatalogueRequested, this,
          &CalculatorWindows::PumpPipeCatalogueRequested);
  connect(pumpDesign_, &TPSchnellAuslegung::ZetaDatabaseRequested, this, &CalculatorWindows::PumpZetaDatabaseRequested);
  connect(pumpDesign_, &TPSchnellAuslegung::RoughnessDatabaseRequested, this,
          &CalculatorWindows::PumpRoughnessDatabaseRequested);
  connect(pumpDesign_, &TPSchnellAuslegung::VapourPressureDatabaseRequested, this, [this] {
    const calculators::PumpDesignForm form = pumpDesign_->ReadForm();
    VapourPressures()->SetPumpContext(TDaDruDialog::PumpContext{form.medium, form.temperature});
    VapourPressures()->exec();
    VapourPressures()->SetPumpContext(std::nullopt);
  });
  connect(pumpDesign_, &TPSchnellAuslegung::SystemCurveRequested, this, &CalculatorWindows::ShowPumpCurve);
  return pumpDesign_;
}

bool CalculatorWindows::PumpDesignShown() const { return pumpDesign_ != nullptr && pumpDesign_->isVisible(); }

TDaDruDialog* CalculatorWindows::VapourPressures() {
  if (vapourPressures_ != nullptr) return vapourPressures_;
  vapourPressures_ = new TDaDruDialog(texts_, programFolder_, owner_);
  connect(vapourPressures_, &TDaDruDialog::ValuesHandedOver, this, [this](const fluids::VapourPressureTakeOver& t) {
    if (t.target == fluids::VapourPressureTakeOver::Target::PumpDesign && pumpDesign_ != nullptr) {
      pumpDesign_->TakeOverVapourPressure(t);
    } else if (npsh_ != nullptr) {
      npsh_->TakeOverVapourPressure(t);
    }
  });
  return vapourPressures_;
}

TNPSHDialog* CalculatorWindows::Npsh() {
  if (npsh_ != nullptr) return npsh_;
  npsh_ = new TNPSHDialog(texts_, owner_);
  connect(npsh_, &TNPSHDialog::DatabaseRequested, this, [this] {
    VapourPressures()->SetPumpContext(std::nullopt);
    VapourPressures()->exec();
  });
  return npsh_;
}

void CalculatorWindows::ShowPumpCurve(const calculators::PumpDesignInput& input, const calculators::PumpDesignResult&) {
  // The plant's curve over 0 … 1.5 Q in bar (static pressure plus both lines' losses); a pump curve
  // laid over it in the curve window gives the real operating point.
  ComputedCurve computed;
  computed.request.from = 0;
  computed.request.to = 1.5L * input.flow;
  computed.request.points = 31;
  const std::vector<calculators::PumpCurvePoint> points = calculators::PumpSystemCurve(input, 31);
  for (const calculators::PumpCurvePoint& p : points) computed.curve.points.push_back({p.flow, p.pressure});
  if (computed.curve.points.empty()) return;
  computed.curve.smallestLoss = computed.curve.points.front().loss;
  computed.curve.largestLoss = computed.curve.points.back().loss;
  for (const curve::CurvePoint& p : computed.curve.points) {
    computed.curve.smallestLoss = std::min(computed.curve.smallestLoss, p.loss);
    computed.curve.largestLoss = std::max(computed.curve.largestLoss, p.loss);
  }
  CurveSource source;
  source.form = main_.readForm ? main_.readForm() : mainform::MainForm::Defaults(texts_.edition());
  const calculators::PumpDesignForm form = pumpDesign_->ReadForm();
  source.form.gas = false;
  source.form.medium = form.medium;
  source.form.density = form.density;
  source.form.densityUnit = form.densityUnit;
  source.resultsCaption = QString::fromStdString(texts_.FormText(calculators::kPumpDesignBlock, "Caption"));
  if (pumpCurve_ == nullptr) pumpCurve_ = new TKurve(texts_, pumpDesign_);
  pumpCurve_->ShowCurve(std::move(computed), source);
  pumpCurve_->setWindowTitle(QString::fromStdString(texts_.FormText(calculators::kPumpDesignBlock, "CurveCaption")));
  pumpCurve_->exec();
}

void CalculatorWindows::OpenPumpDesign(const calculators::Display& display) {
  PumpDesign()->Present(display);
  PumpDesign()->exec();
}

void CalculatorWindows::OpenPumpDesignFile(const QString& file, const calculators::Display& display) {
  PumpDesign()->Present(display);
  PumpDesign()->OpenFile(file);
  PumpDesign()->exec();
}

void CalculatorWindows::OpenNpsh(const calculators::Display& display) {
  Npsh()->Present(display);
  if (main_.readForm) Npsh()->Prepare(main_.readForm());
  Npsh()->exec();
}

void CalculatorWindows::OpenEconomicDiameter(bool gas, const calculators::Display& display) {
  TNennwDialog* dialog = gas ? static_cast<TNennwDialog*>(Made(gasDiameter_)) : Made(liquidDiameter_);
  dialog->Present(display);
  if (main_.readForm) dialog->Prepare(main_.readForm());
  dialog->exec();
}

void CalculatorWindows::OpenPumpHead(const calculators::Display& display) {
  Made(pumpHead_)->Present(display);
  if (main_.readForm && main_.table) pumpHead_->Prepare(main_.readForm(), main_.table());
  pumpHead_->exec();
}

void CalculatorWindows::OpenVelocityToFlow(const calculators::Display& display) {
  if (velocityToFlow_ == nullptr) {
    Made(velocityToFlow_);
    connect(velocityToFlow_, &ConverterDialog::TakeOverRequested, this, [this] {
      if (!main_.readForm || !main_.writeForm) return;
      mainform::MainForm form = main_.readForm();
      velocityToFlow_->ApplyTakeOver(form);
      main_.writeForm(form);
    });
  }
  velocityToFlow_->Present(display);
  if (main_.readForm && main_.table) velocityToFlow_->Prepare(main_.readForm(), main_.table());
  velocityToFlow_->exec();
}

void CalculatorWindows::OpenFlowToVelocity(const calculators::Display& display) {
  Made(flowToVelocity_)->Present(display);
  if (main_.readForm) flowToVelocity_->Prepare(main_.readForm());
  flowToVelocity_->exec();
}

void CalculatorWindows::OpenStandardToOperating(const calculators::Display& display) {
  if (standardToOperating_ == nullptr) {
    Made(standardToOperating_);
    connect(standardToOperating_, &ConverterDialog::TakeOverRequested, this, [this] {
      if (!main_.readForm || !main_.writeForm) return;
      mainform::MainForm form = main_.readForm();
      standardToOperating_->ApplyTakeOver(form);
      main_.writeForm(form);
      standardToOperating_->accept();
    });
  }
  standardToOperating_->Present(display);
  if (main_.readForm) standardToOperating_->Prepare(main_.readForm());
  standardToOperating_->exec();
}

void CalculatorWindows::OpenValveZeta(bool cv, const calculators::Display& display) {
  const bool made = cv ? cvZeta_ != nullptr : kvZeta_ != nullptr;
  TValveZetaDialog* dialog = cv ? static_cast<TValveZetaDialog*>(Made(cvZeta_)) : Made(kvZeta_);
  if (!made) {
    connect(dialog, &ConverterDialog::TakeOverRequested, this, [this, dialog] {
      if (!main_.readForm || !main_.writeForm) return;
      mainform::MainForm form = main_.readForm();
      dialog->ApplyTakeOver(form);
      main_.writeForm(form);
      dialog->accept();
    });
  }
  dialog->Present(display);
  if (main_.readForm) dialog->Prepare(main_.readForm());
  dialog->exec();
}

void CalculatorWindows::OpenPipelineContent(const calculators::Display& display) {
  Made(content_)->Present(display);
  if (main_.table) content_->Prepare(main_.table());
  content_->exec();
}

void CalculatorWindows::OpenUnitConverterInfo() { Made(unitInfo_)->exec(); }

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
