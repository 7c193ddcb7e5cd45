#pragma once

#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

class UserMedia;

// Lists the user-defined media read-only and hands the chosen one over as stored, in the main
// window's units that agree with the database's unit setting.
class TBen_Daba_Dlg2 : public PropertyDialog {
  Q_OBJECT

 public:
  TBen_Daba_Dlg2(const text::TextStore& texts, UserMedia* media, const int* usUnits, QWidget* parent = nullptr);

  void ListBox1Click();  // a medium chosen: its record
  void Uebernehmen1Click();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override {}
  void showEvent(QShowEvent* event) override;

 private:
  bool UsUnits() const;

  UserMedia* media_;
  const int* usUnits_;
  QListWidget* list_ = nullptr;
  int chosen_ = 0;  // the last chosen position, from 0
};

}  // namespace velmora::gui
