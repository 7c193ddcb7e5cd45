#pragma once

#include <QSplashScreen>

namespace velmora::gui {

// Shown while the windows are created: the product name and what it does.
class TSplashScreen : public QSplashScreen {
  Q_OBJECT

 public:
  TSplashScreen(const QString& product, const QString& subtitle);
};

}  // namespace velmora::gui
