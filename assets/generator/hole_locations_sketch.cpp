#include <cmath>
#include <numbers>

#include "sketch_tools.h"
#include "sketches.h"

using namespace sketch;

// A leg of the built-in design (32.65 in long, cut at 31 degrees, 2 X 4) with its two bolt holes,
// both measured from the point along the top edge and centred on the width.
QImage DrawHoleLocationsSketch(int width, int height) {
  QImage image = NewSketch(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const double scale = 10.4;  // pixels per inch
  const double length = 32.65, depth = 3.5;
  const double slant = depth * std::tan(31.0 * std::numbers::pi / 180);
  const QPointF point(44, 86);  // the sharp end of the member
  const double top = point.y(), bottom = top + depth * scale, middle = (top + bottom) / 2;
  const QPolygonF leg({point, QPointF(point.x() + length * scale, top),
                       QPointF(point.x() + (length + slant) * scale, bottom),
                       QPointF(point.x() + slant * scale, bottom)});
  DrawBoard(painter, leg, 0, 11);

  // The edge every measurement runs along.
  painter.setPen(QPen(kHighlight, 3.2, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(point, QPointF(point.x() + length * scale, top));

  // Centre line of the member.
  painter.setPen(QPen(QColor(70, 90, 170), 0.9, Qt::DashDotLine));
  painter.drawLine(QPointF(point.x() + slant * scale / 2 + 2, middle),
                   QPointF(point.x() + (length + slant / 2) * scale + 10, middle));

  const double holes[] = {3.09, 17.09};
  const QString names[] = {"A", "B"};
  for (int i = 0; i < 2; ++i) {
    const QPointF centre(point.x() + holes[i] * scale, middle);
    painter.setPen(QPen(kInk, 0.8, Qt::DashLine));
    painter.drawLine(centre, QPointF(centre.x(), top));
    painter.setPen(QPen(QColor(60, 38, 18), 1.2));
    painter.setBrush(QColor(88, 60, 32));
    painter.drawEllipse(centre, 4.6, 4.6);
    painter.setBrush(QColor(40, 26, 12));
    painter.drawEllipse(centre, 2.4, 2.4);
    DrawDimension(painter, point, QPointF(centre.x(), top), 16 + 22 * i, names[i], Font(12, true));
  }

  // Equal halves either side of the hole: the hole is centred on the width.
  const double halvesX = point.x() + holes[1] * scale + 16;
  DrawArrow(painter, QPointF(halvesX, top + 1), QPointF(halvesX, middle - 1), kInk, 1.0, true, 5);
  DrawArrow(painter, QPointF(halvesX, middle + 1), QPointF(halvesX, bottom - 1), kInk, 1.0, true,
            5);
  painter.setFont(Font(10, true));
  for (double y : {(top + middle) / 2, (middle + bottom) / 2}) {
    const QRectF label(halvesX + 4, y - 6.5, 42, 13);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRoundedRect(label, 2, 2);
    painter.setPen(kInk);
    painter.drawText(label, Qt::AlignCenter, "1 3/4 in");
  }

  painter.setFont(Font(10, false, true));
  painter.setPen(kOutline);
  painter.drawText(QRectF(point.x() + 25 * scale, middle + 2, 90, 14), Qt::AlignLeft, "2 X 4 leg");

  // Call-outs.
  painter.setFont(Font(12, true));
  painter.setPen(kInk);
  painter.drawText(QRectF(0, 4, width, 18), Qt::AlignHCenter,
                   "Measure each hole from the point, along the top edge");
  DrawCentredText(painter, QPointF(24, 116), "point", Font(11, true), kInk);
  DrawArrow(painter, QPointF(26, 107), QPointF(point.x() - 2, point.y() + 2), kInk, 1.0, false, 6);
  DrawCentredText(painter, QPointF(point.x() + 26.5 * scale, top - 10), "top edge", Font(11, true),
                  kHighlight.darker(120));
  DrawCentredText(painter, QPointF(point.x() + 26.0 * scale, bottom + 14),
                  "each hole centred on the width", Font(11, true), kInk);
  DrawArrow(painter, QPointF(point.x() + 26.0 * scale - 84, bottom + 11),
            QPointF(point.x() + holes[1] * scale + 3, middle + 6), kInk, 0.9, false, 6);

  DrawCaption(painter, QRectF(0, height - 40, width, 40),
              "A and B are given on your plans for every member. With the holes drilled first, "
              "the end frames bolt together without a jig.");
  return image;
}
