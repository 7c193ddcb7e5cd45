#pragma once

#include <array>
#include <optional>

#include "parts/BendCatalogue.h"
#include "parts/CatalogueDialog.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace velmora::gui {

// "Norm-Teile: Rohr-Bogen": butt-welding bends of the EN/ISO/DIN and ASME/ANSI standards by shape
// (45°, 90°, 180°), size, wall and (EN/ISO/DIN) type; shows bore, radius and the mass of one bend
// and takes bore, radius and angle over as a circular bend.
class TInfoBoegen : public CatalogueDialog {
  Q_OBJECT

 public:
  TInfoBoegen(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  // BitBtn1: hands the visible sheet's bend over.
  void TakeOver();

 protected:
  void FillOnce() override;

 private:
  struct Sheet {
    parts::FittingSheet id = parts::FittingSheet::Din;
    const char* nameKey = "";
    QListWidget* standards = nullptr;
    QButtonGroup* shapes = nullptr;
    QListWidget* sizes = nullptr;
    QListWidget* walls = nullptr;
    QListWidget* types = nullptr;  // EN/ISO/DIN only
    // Outer diameter, wall, bore, bore in the other unit, radius, radius in the other unit, kg, lb.
    std::array<QLabel*, 8> values{};
    std::optional<parts::BendStandard> standard;
  };
  struct SheetNames;

  QWidget* BuildSheet(Sheet& sheet, const SheetNames& names);
  void ChooseStandard(Sheet& sheet);
  void ChooseSize(Sheet& sheet);
  void ShowValues(Sheet& sheet);
  std::optional<parts::BendValues> Values(const Sheet& sheet) const;
  Sheet& Visible();
  void EnableTakeOver();

  parts::CatalogueFile file_;
  QTabWidget* pages_ = nullptr;
  QPushButton* takeOver_ = nullptr;
  std::array<Sheet, 2> sheets_;
};

}  // namespace velmora::gui
