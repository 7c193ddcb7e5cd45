#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "text/TextStore.h"

class QListWidget;
class QListWidgetItem;

namespace velmora::gui {

// The roughness database "Rauhigkeitswerte von Rohrleitungen": 42 pipe materials and surface
// states with their absolute roughness; OK or a double click hands the chosen value to the caller.
class TRauDatenbank : public QDialog {
  Q_OBJECT

 public:
  explicit TRauDatenbank(const text::TextStore& texts, QWidget* parent = nullptr);

  // The chosen value in mm as the edition writes it; nothing after Cancel.
  const std::optional<std::string>& Chosen() const { return chosen_; }
  // Forgets the last choice; the selected line stays.
  void Present() { chosen_.reset(); }

  void ApplyTexts();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillList();
  void TakeOver();

  const text::TextStore& texts_;
  QListWidget* list_ = nullptr;  // ListBox1
  std::optional<std::string> chosen_;
};

}  // namespace velmora::gui
