#include "help/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace varnloft {
namespace {

// A straight board from a to b, `thickness` units wide, with rounded ends.
void DrawBoard(QPainter& painter, QPointF a, QPointF b, qreal thickness, const QColor& wood) {
  painter.setPen(QPen(wood.darker(170), thickness + 5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(a, b);
  painter.setPen(QPen(wood, thickness, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(a, b);
}

}  // namespace

QImage DrawProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 256.0, size / 256.0);  // drawn on a 256-unit grid

  // Tile: summer sky above a strip of lawn.
  QPainterPath tile;
  tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
  QLinearGradient sky(0, 8, 0, 248);
  sky.setColorAt(0.0, QColor(120, 186, 238));
  sky.setColorAt(0.70, QColor(214, 236, 250));
  sky.setColorAt(0.70, QColor(98, 168, 64));
  sky.setColorAt(1.0, QColor(56, 124, 40));
  painter.fillPath(tile, sky);
  painter.setPen(QPen(QColor(20, 70, 30), 8));
  painter.drawPath(tile);

  // End frame of the table: splayed legs, seat support, top support; then the boards.
  const QColor wood(214, 158, 92);
  const QColor darkWood(178, 118, 60);
  DrawBoard(painter, QPointF(104, 88), QPointF(58, 214), 16, darkWood);
  DrawBoard(painter, QPointF(152, 88), QPointF(198, 214), 16, darkWood);
  DrawBoard(painter, QPointF(40, 150), QPointF(216, 150), 14, darkWood);
  DrawBoard(painter, QPointF(60, 84), QPointF(196, 84), 20, wood);   // table top
  DrawBoard(painter, QPointF(30, 140), QPointF(68, 140), 14, wood);  // seats
  DrawBoard(painter, QPointF(188, 140), QPointF(226, 140), 14, wood);
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
  return icon;
}

}  // namespace varnloft
