#pragma once

#include "fluids/PropertyDialog.h"
#include "fluids/UserDatabase.h"

namespace velmora::gui {

class UserMedia;

// Edits the user-defined media of USER.DAT one record at a time: navigation, new, delete, sort,
// saving the list or discarding it. The captions show the units of the database's unit setting.
class TBen_Daba_Dlg : public PropertyDialog {
  Q_OBJECT

 public:
  // `usUnits` is the settings' choice of the database units, read at every showing.
  TBen_Daba_Dlg(const text::TextStore& texts, UserMedia* media, const int* usUnits, QWidget* parent = nullptr);

  void ZurueckClick(int steps);  // 1 or 5 records back
  void VorClick(int steps);      // 1 or 5 records forward
  void NeuClick();
  void LoeschenClick();
  void SortierenClick();
  void SpeichernClick();  // "&Beenden und speichern"
  void AbbrechenClick();  // the list read again from the file
  // Closing without saving (also by Escape or the window's close button) is "&Abbrechen".
  void reject() override;

 protected:
  void SetResultCaptions() override;
  void ClearResults() override {}
  void showEvent(QShowEvent* event) override;

 private:
  // The shown fields into the current record, when there is one.
  void WriteBack();
  // The current record into the fields (empty and disabled without one).
  void ShowRecord();

  UserMedia* media_;
  const int* usUnits_;
};

}  // namespace velmora::gui
