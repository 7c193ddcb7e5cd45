#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "parts/CatalogueDialog.h"
#include "parts/FittingLines.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace velmora::gui {

// What the reducer and the tee catalogue share: two sheets (EN/ISO/DIN, ASME/ANSI), each with its
// standard, a choice of use (with its picture), a first end (large end, run) and a second end (small
// end, branch) with their walls, the dimensions of both ends and the fitting's mass; the take-over
// closes the dialog.
class TwoEndDialog : public CatalogueDialog {
  Q_OBJECT

 public:
  // BitBtn1: hands the visible sheet's fitting over, by that sheet's choice, and closes.
  void TakeOver();

 protected:
  struct Selection {
    std::size_t first = 0;
    std::size_t firstWall = 0;
    std::size_t second = 0;
    std::size_t secondWall = 0;
  };
  struct Shown {
    parts::EndDisplay first;
    parts::EndDisplay second;
    std::string angle;
    std::string massKg;
    std::string massLb;
    std::optional<parts::PartTakeOver> takeOver;  // nothing when a value is not available
  };

  // `pictures`: the element pictures (file numbers) of choice 0 and choice 1; `angle`: the sheets show
  // a cone angle.
  TwoEndDialog(const text::TextStore& texts, QString programFolder, std::string_view block, std::array<int, 2> pictures,
               bool angle, QWidget* parent);

  // Builds the sheets; the derived class calls it once its own members are ready. `helpPage`: the
  // manual's page of the catalogue, opened by F1 and the help button.
  void Build(const char* helpPage);

  // The catalogue itself.
  virtual void Load() = 0;
  virtual bool Available(parts::FittingSheet sheet) const = 0;
  virtual std::vector<std::string> FirstEnds(parts::FittingSheet sheet) const = 0;
  virtual std::vector<std::string> FirstWalls(parts::FittingSheet sheet, std::size_t first) const = 0;
  virtual std::vector<std::string> SecondEnds(parts::FittingSheet sheet, std::size_t first) const = 0;
  virtual std::vector<std::string> SecondWalls(parts::FittingSheet sheet, std::size_t first,
                                               std::size_t second) const = 0;
  virtual Shown Show(parts::FittingSheet sheet, const Selection& selection, int choice) const = 0;

  void FillOnce() override;
  void FixChoice(std::optional<int> choice) override;

 private:
  struct Sheet {
    parts::FittingSheet id = parts::FittingSheet::Din;
    QListWidget* standards = nullptr;
    QButtonGroup* choice = nullptr;
    QLabel* picture = nullptr;
    QListWidget* first = nullptr;
    QListWidget* firstWalls = nullptr;
    QListWidget* second = nullptr;
    QListWidget* secondWalls = nullptr;
    std::array<QLabel*, 8> ends{};  // first end: outer, wall, bore (sheet unit), bore; then the second end
    QLabel* angle = nullptr;
    QLabel* massKg = nullptr;
    QLabel* massLb = nullptr;
  };
  struct SheetNames;

  QWidget* BuildSheet(Sheet& sheet, const SheetNames& names);
  void ChooseFirst(Sheet& sheet);
  void ChooseSecond(Sheet& sheet);
  void ShowValues(Sheet& sheet);
  void ShowPicture(Sheet& sheet);
  Selection SelectionOf(const Sheet& sheet) const;
  Sheet& Visible();
  void EnableTakeOver();

  std::array<int, 2> pictures_;
  bool angle_;
  QTabWidget* pages_ = nullptr;
  QPushButton* takeOver_ = nullptr;
  std::array<Sheet, 2> sheets_;
};

}  // namespace velmora::gui
