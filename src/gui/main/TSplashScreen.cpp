#include "main/TSplashScreen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace velmora::gui {
namespace {

QPixmap Paint(const QString& product, const QString& subtitle) {
  QPixmap pixmap(420, 200);
  QPainter painter(&pixmap);
  QLinearGradient background(0, 0, 0, 200);
  background.setColorAt(0, QColor(18, 64, 112));
  background.setColorAt(1, QColor(40, 110, 170));
  painter.fillRect(pixmap.rect(), background);
  // A stylised pipe run with a flow arrow.
  painter.setPen(QPen(QColor(220, 235, 250), 3));
  painter.drawLine(30, 150, 300, 150);
  painter.drawLine(30, 170, 300, 170);
  painter.setBrush(QColor(220, 235, 250));
  painter.drawPolygon(QPolygon({QPoint(310, 160), QPoint(292, 152), QPoint(292, 168)}));
  painter.setPen(Qt::white);
  QFont title("Arial", 26, QFont::Bold);
  painter.setFont(title);
  painter.drawText(QRect(30, 30, 380, 50), Qt::AlignLeft | Qt::AlignVCenter, product);
  painter.setFont(QFont("Arial", 11));
  painter.drawText(QRect(30, 85, 380, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle);
  return pixmap;
}

}  // namespace

TSplashScreen::TSplashScreen(const QString& product, const QString& subtitle)
    : QSplashScreen(Paint(product, subtitle)) {
  setObjectName("SplashScreen");
}

}  // namespace velmora::gui
