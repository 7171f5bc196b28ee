#include "app/qt/plans_glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace varnloft {

namespace {

constexpr int kGlyphSize = 16;

QIcon Glyph(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  draw(painter);
  return QIcon(pixmap);
}

}  // namespace

QIcon SaveGlyph() {
  return Glyph([](QPainter& p) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(4, 1, 7, 5);  // label
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(4, 9, 7, 5);  // shutter
  });
}

QIcon PrintGlyph() {
  return Glyph([](QPainter& p) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(4, 1, 7, 5);  // paper going in
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 13, 6);  // body
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(4, 10, 7, 5);  // printed page
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(12, 8);  // lamp
  });
}

QIcon CloseGlyph() {
  return Glyph([](QPainter& p) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(2, 1, 10, 14);  // door frame
    p.setBrush(QColor(128, 0, 0));
    const QPoint door[] = {{2, 1}, {8, 3}, {8, 15}, {2, 15}};
    p.drawPolygon(door, 4);  // door swung open
    p.setPen(QColor(255, 255, 0));
    p.drawPoint(7, 9);  // handle
  });
}

}  // namespace varnloft
