#include <cmath>
#include <numbers>

#include "sketch_tools.h"
#include "sketches.h"

using namespace sketch;

namespace {

// End view of the built-in table, in inches: z across the table, y up from the ground.
struct EndView {
  QPointF ground;   // screen position of z = 0, y = 0
  double scale;     // pixels per inch
  double legTopZ;   // centre of a leg under the top
  double legFootZ;  // centre of a leg at the ground
  QPointF At(double z, double y) const { return {ground.x() + z * scale, ground.y() - y * scale}; }
  QPolygonF Box(double z1, double y1, double z2, double y2) const {
    return QPolygonF({At(z1, y1), At(z2, y1), At(z2, y2), At(z1, y2)});
  }
};

void DrawEndView(QPainter& painter, const EndView& view) {
  int seed = 1;
  // Legs, behind the supports; cut level at the ground and under the top.
  for (double side : {-1.0, 1.0}) {
    const double run = view.legFootZ - view.legTopZ;
    const double halfWidth = 1.75 * std::hypot(run, 28.0) / 28.0;
    const double zt = side * view.legTopZ, zf = side * view.legFootZ;
    DrawBoard(painter,
              QPolygonF({view.At(zt - halfWidth, 28), view.At(zt + halfWidth, 28),
                         view.At(zf + halfWidth, 0), view.At(zf - halfWidth, 0)}),
              -90 + side * std::atan2(run, 28.0) * 180 / std::numbers::pi, seed++);
  }
  DrawBoard(painter, view.Box(-16.6, 24.5, 16.6, 28), 0, seed++);      // top support
  DrawBoard(painter, view.Box(-31.375, 12.5, 31.375, 16), 0, seed++);  // seat support
  for (int i = 0; i < 6; ++i) {                                        // deck board ends
    const double z = -17.125 + i * 5.75;
    DrawBoard(painter, view.Box(z, 28, z + 5.5, 29.5), 30, seed++, kEndGrain);
  }
  for (double z : {-31.375, -25.625, 20.125, 25.875})  // seat board ends
    DrawBoard(painter, view.Box(z, 16, z + 5.5, 17.5), 30, seed++, kEndGrain);
  // Bolts where the legs cross the supports.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(90, 90, 96));
  for (double side : {-1.0, 1.0})
    for (double y : {26.25, 14.25}) {
      const double z = view.legTopZ + (view.legFootZ - view.legTopZ) * (28 - y) / 28;
      painter.drawEllipse(view.At(side * z, y), 1.8, 1.8);
    }
}

void DrawCross(QPainter& painter, QPointF centre, double size) {
  painter.setPen(QPen(kWarn, 2.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre + QPointF(-size, -size), centre + QPointF(size, size));
  painter.drawLine(centre + QPointF(-size, size), centre + QPointF(size, -size));
}

void DrawTick(QPainter& painter, QPointF centre, double size) {
  painter.setPen(QPen(kGood, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(
      QPolygonF({centre + QPointF(-size, 0), centre + QPointF(-size / 3, size * 0.7),
                 centre + QPointF(size, -size * 0.8)}));
}

void DrawWeight(QPainter& painter, QPointF onSeat, const QColor& colour) {
  DrawArrow(painter, onSeat + QPointF(0, -34), onSeat, colour, 3.0, false, 10);
  DrawCentredText(painter, onSeat + QPointF(0, -42), "weight", Font(11, true), colour);
}

}  // namespace

// Two end views side by side: a leg well inside the seat's edge lets a person on the end of the
// seat tip the table over the foot; a leg under the seat's edge carries the weight straight down.
QImage DrawTipsyTableSketch(int width, int height) {
  QImage image = NewSketch(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = 2.85, groundY = 154, half = width / 2.0;

  // Left: the leg stands inside the seat's edge, and the table rocks over its foot.
  {
    const EndView view{QPointF(half / 2 + 4, groundY), scale, 8.5, 19.5};
    const double pivotZ = -(view.legFootZ + 1.9);
    const QPointF pivot = view.At(pivotZ, 0);
    painter.save();
    painter.translate(pivot);
    painter.rotate(-7);
    painter.translate(-pivot);
    DrawEndView(painter, view);
    const QPointF seatEnd = painter.transform().map(view.At(-29.5, 17.5));
    painter.restore();
    DrawGround(painter, 10, half - 10, groundY);
    DrawWeight(painter, seatEnd, kWarn);
    const QPointF lifted = view.At(view.legFootZ + 1.9, 0);
    DrawArrow(painter, QPointF(lifted.x() + 10, groundY - 2),
              QPointF(lifted.x() + 10, groundY - 26), kWarn, 1.6, false, 7);
    DrawCentredText(painter, QPointF(lifted.x() + 22, groundY - 34), "lifts", Font(11, true),
                    kWarn);
    DrawCross(painter, QPointF(22, 18), 6);
    DrawCentredText(painter, QPointF(half / 2 + 10, 18), "Leg inside the seat edge", Font(12, true),
                    kWarn);
  }

  // Right: the leg's foot is in line with the seat's edge.
  {
    const EndView view{QPointF(half + half / 2 - 4, groundY), scale, 11.6, 28.4};
    DrawEndView(painter, view);
    DrawGround(painter, half + 10, width - 10, groundY);
    painter.setPen(QPen(kGood, 1.2, Qt::DashLine));
    for (double side : {-1.0, 1.0})
      painter.drawLine(view.At(side * 31.375, 17.5), view.At(side * 31.375, -1.5));
    DrawWeight(painter, view.At(-29.5, 17.5), kGood);
    DrawTick(painter, QPointF(half + 20, 18), 6);
    DrawCentredText(painter, QPointF(half + half / 2 + 10, 18), "Leg under the seat edge",
                    Font(12, true), kGood);
  }

  painter.setPen(QPen(QColor(200, 206, 224), 1));
  painter.drawLine(QPointF(half, 8), QPointF(half, groundY + 6));
  DrawCaption(painter, QRectF(0, height - 40, width, 40),
              "Varnloft first places each leg in line with the seat's edge, so the table does not "
              "tip when someone sits on the very end of a seat.");
  return image;
}
