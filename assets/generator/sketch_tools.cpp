#include "sketch_tools.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTransform>
#include <cmath>

namespace sketch {

QFont Font(int pixels, bool bold, bool italic) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QImage NewSketch(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void DrawBoard(QPainter& painter, const QPolygonF& outline, double grainAngle, int seed,
               const QColor& fill) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawPolygon(outline);

  // Grain: long, gently wavy lines running along the board, clipped to its face.
  QPainterPath clip;
  clip.addPolygon(outline);
  painter.setClipPath(clip);
  const QRectF box = outline.boundingRect();
  const QPointF centre = box.center();
  const double reach = std::hypot(box.width(), box.height());
  QRandomGenerator random(static_cast<quint32>(seed));
  painter.translate(centre);
  painter.rotate(grainAngle);
  for (double y = -reach / 2; y < reach / 2; y += 4.0 + random.bounded(5.0)) {
    QPainterPath line;
    const double phase = random.bounded(6.28), amplitude = 0.6 + random.bounded(1.6);
    const double wavelength = 60 + random.bounded(90.0);
    line.moveTo(-reach / 2, y);
    for (double x = -reach / 2; x <= reach / 2; x += 6)
      line.lineTo(x, y + amplitude * std::sin(x / wavelength * 6.28 + phase));
    QColor colour = kGrain;
    colour.setAlpha(110 + random.bounded(120));
    painter.setPen(QPen(colour, 0.6 + random.bounded(0.7)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
  }
  painter.restore();

  painter.save();
  painter.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(outline);
  painter.restore();
}

void DrawArrowHead(QPainter& painter, QPointF tip, QPointF from, double size,
                   const QColor& colour) {
  const QLineF back(tip, from);
  QLineF side1 = back, side2 = back;
  side1.setLength(size);
  side2.setLength(size);
  side1.setAngle(back.angle() + 18);
  side2.setAngle(back.angle() - 18);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(QPolygonF({tip, side1.p2(), side2.p2()}));
  painter.restore();
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width,
               bool bothEnds, double headSize) {
  painter.save();
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  QLineF line(from, to);
  QLineF shaft = line;
  shaft.setLength(std::max(0.0, line.length() - headSize * 0.8));
  QPointF start = from;
  if (bothEnds) {
    QLineF reverse(to, from);
    reverse.setLength(std::max(0.0, reverse.length() - headSize * 0.8));
    start = reverse.p2();
  }
  painter.drawLine(start, shaft.p2());
  DrawArrowHead(painter, to, from, headSize, colour);
  if (bothEnds) DrawArrowHead(painter, from, to, headSize, colour);
  painter.restore();
}

void DrawDimension(QPainter& painter, QPointF a, QPointF b, double offset, const QString& label,
                   const QFont& font) {
  const QPointF along = b - a;
  const double length = std::hypot(along.x(), along.y());
  const QPointF unit = along / length;
  const QPointF side(unit.y(), -unit.x());  // left of a -> b on screen: up for a rightward line
  const double sign = offset < 0 ? -1 : 1;
  const QPointF da = a + side * offset, db = b + side * offset;
  painter.save();
  painter.setPen(QPen(kInk, 0.8));
  painter.drawLine(a + side * (3 * sign), da + side * (4 * sign));
  painter.drawLine(b + side * (3 * sign), db + side * (4 * sign));
  painter.restore();
  DrawArrow(painter, da, db, kInk, 1.0, true, 7);

  painter.save();
  painter.translate((da + db) / 2 + side * (9 * sign));
  double angle = QLineF(a, b).angle();
  if (angle > 90 && angle <= 270) angle -= 180;
  painter.rotate(-angle);
  painter.setFont(font);
  const double textWidth = QFontMetricsF(font).horizontalAdvance(label) + 6;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(-textWidth / 2, -8, textWidth, 16));
  painter.setPen(kInk);
  painter.drawText(QRectF(-100, -9, 200, 18), Qt::AlignCenter, label);
  painter.restore();
}

void DrawCentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
                     const QColor& colour) {
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(QRectF(centre.x() - 200, centre.y() - 20, 400, 40), Qt::AlignCenter, text);
  painter.restore();
}

void DrawCaption(QPainter& painter, const QRectF& band, const QString& text) {
  painter.save();
  painter.setPen(QPen(QColor(200, 206, 224), 1));
  painter.drawLine(QPointF(band.left() + 10, band.top()), QPointF(band.right() - 10, band.top()));
  painter.setFont(Font(11, false, true));
  painter.setPen(kInk);
  painter.drawText(band.adjusted(8, 2, -8, -1), Qt::AlignCenter | Qt::TextWordWrap, text);
  painter.restore();
}

void DrawGround(QPainter& painter, double x1, double x2, double y) {
  painter.save();
  painter.setPen(QPen(QColor(96, 80, 52), 1.6));
  painter.drawLine(QPointF(x1, y), QPointF(x2, y));
  painter.setPen(QPen(QColor(86, 150, 64), 1.0));
  QRandomGenerator random(static_cast<quint32>(x1 * 31 + y));
  for (double x = x1 + 3; x < x2 - 3; x += 5 + random.bounded(4.0)) {
    const double lean = random.bounded(3.0) - 1.5;
    painter.drawLine(QPointF(x, y + 1), QPointF(x + lean, y + 3 + random.bounded(3.0)));
  }
  painter.restore();
}

}  // namespace sketch
