#pragma once

#include <array>
#include <optional>
#include <vector>

#include "parts/CatalogueDialog.h"
#include "parts/PipeCatalogue.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace velmora::gui {

// "Norm-Teile: Rohre, kreisförmig": standard circular pipes on three sheets (EN/ISO/DIN, ASME/ANSI,
// other standards), each by material, standard, size and wall column; shows the pipe's dimensions
// and mass and takes the inside diameter over.
class TInfoRohr : public CatalogueDialog {
  Q_OBJECT

 public:
  TInfoRohr(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  // BitBtn1: hands the visible sheet's inside diameter over (mm, or inches in US display).
  void TakeOver();

 protected:
  void FillOnce() override;

 private:
  struct Sheet {
    parts::PipeSheet id = parts::PipeSheet::Din;
    const char* nameKey = "";  // the standards' text keys: nameKey + table number
    QButtonGroup* materials = nullptr;
    QListWidget* standards = nullptr;
    QListWidget* sizes = nullptr;
    QListWidget* columns = nullptr;
    QLabel* sizeHeading = nullptr;
    QLabel* columnHeading = nullptr;
    // Outer diameter, wall and bore in the table's unit, the bore in the other unit, kg/m, lb/ft.
    std::array<QLabel*, 6> values{};
    QLabel* series = nullptr;
    parts::CatalogueFile file;
    std::vector<const parts::PipeTable*> tables;  // of the chosen material, in list order
    std::optional<parts::PipeStandard> standard;
  };
  struct SheetNames;

  QWidget* BuildSheet(Sheet& sheet, const SheetNames& names);
  void ChooseMaterial(Sheet& sheet);
  void ChooseStandard(Sheet& sheet);
  void ChooseSize(Sheet& sheet);
  void ShowValues(Sheet& sheet);
  Sheet& Visible();
  std::optional<std::string> TakeOverValue(const Sheet& sheet) const;
  void EnableTakeOver();

  QTabWidget* pages_ = nullptr;  // PageControl1
  QPushButton* takeOver_ = nullptr;
  std::array<Sheet, 3> sheets_;
};

}  // namespace velmora::gui
