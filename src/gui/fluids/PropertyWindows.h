#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "fluids/MediumTakeOver.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class PropertyDialog;
class UserMedia;

// The property windows of the main window: each made on first use and kept with its inputs while
// the program runs, shown modally for the display units of the moment. Their take-overs reach the
// main window through TakeOverRequested.
class PropertyWindows : public QObject {
  Q_OBJECT

 public:
  enum class Window {
    Water,
    SaturatedWater,
    DryAir,
    HumidAir,
    SaturatedAir,
    Liquids,
    Gases,
    Brines,
    Oils,
    AqueousSolutions,
    Estimate,
    UserMediaChoice,
    UserMediaEdit,
    kCount
  };

  // `userUnits` is the stored choice of units for the user-defined media; it outlives the windows.
  PropertyWindows(const text::TextStore& texts, QString programFolder, const int* userUnits, QWidget* owner);
  ~PropertyWindows() override;

  void Open(Window window, bool us);

  // Tests keep USER.DAT in a folder of their own (set before the user media are first used).
  void SetUserMediaFolder(QString folder) { userMediaFolder_ = std::move(folder); }

 signals:
  void TakeOverRequested(const fluids::MediumTakeOver& takeOver);

 private:
  PropertyDialog* Make(Window window);
  // The user-defined media both user-database windows share, read on first use.
  UserMedia* UserMediaStore();

  const text::TextStore& texts_;
  QString programFolder_;
  const int* userUnits_;
  QWidget* owner_;
  PropertyDialog* windows_[static_cast<int>(Window::kCount)] = {};
  std::unique_ptr<UserMedia> userMedia_;
  QString userMediaFolder_;  // empty: USER.DAT where the installation keeps changed files
};

}  // namespace velmora::gui
