#pragma once

#include <array>
#include <optional>
#include <vector>

#include "parts/CatalogueDialog.h"
#include "parts/RectCatalogue.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace velmora::gui {

// "Norm-Teile: Rohre, rechteckig": hollow sections and ducts of the EN/ISO/DIN and ASME/ANSI
// standards by shape, size and wall; shows inner width, inner height and mass and takes the inner
// sizes over as a rectangular pipe.
class TInfoRohrRechte : public CatalogueDialog {
  Q_OBJECT

 public:
  TInfoRohrRechte(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  // BitBtn1: hands the visible sheet's inner width and height over.
  void TakeOver();

 protected:
  void FillOnce() override;

 private:
  struct Sheet {
    parts::RectSheet id = parts::RectSheet::Din;
    const char* nameKey = "";
    QListWidget* standards = nullptr;
    QButtonGroup* shapes = nullptr;
    QListWidget* sizes = nullptr;
    QListWidget* walls = nullptr;
    QLabel* sizeHeading = nullptr;
    // Inner width and height, each in the sheet's unit and the other, then kg/m and lb/ft.
    std::array<QLabel*, 6> values{};
    std::optional<parts::RectStandard> standard;
  };
  struct SheetNames;

  QWidget* BuildSheet(Sheet& sheet, const SheetNames& names);
  void ChooseStandard(Sheet& sheet);
  void ChooseSize(Sheet& sheet);
  void ShowValues(Sheet& sheet);
  Sheet& Visible();
  std::optional<std::pair<std::string, std::string>> TakeOverValues(const Sheet& sheet) const;
  void EnableTakeOver();

  parts::CatalogueFile file_;
  QTabWidget* pages_ = nullptr;
  QPushButton* takeOver_ = nullptr;
  std::array<Sheet, 2> sheets_;
};

}  // namespace velmora::gui
