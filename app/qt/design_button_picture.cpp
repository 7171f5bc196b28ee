#include "app/qt/design_button_picture.h"

#include <QPainter>
#include <QPixmap>

namespace varnloft {

QIcon DesignButtonPicture() {
  QPixmap pixmap(40, 22);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor wood(0xC8, 0x8A, 0x3C);
  const QColor edge(0x5A, 0x34, 0x10);
  p.setPen(QPen(edge, 1));
  p.setBrush(wood);
  p.drawRect(QRectF(8.5, 2.5, 23, 3));     // table top
  p.drawRect(QRectF(1.5, 11.5, 9, 2.5));   // left seat
  p.drawRect(QRectF(29.5, 11.5, 9, 2.5));  // right seat
  p.setPen(QPen(edge, 2.2));
  p.drawLine(QPointF(17, 6), QPointF(6, 21));  // legs
  p.drawLine(QPointF(23, 6), QPointF(34, 21));
  p.setPen(QPen(edge, 1.5));
  p.drawLine(QPointF(3, 14.5), QPointF(37, 14.5));  // seat support
  return QIcon(pixmap);
}

}  // namespace varnloft
