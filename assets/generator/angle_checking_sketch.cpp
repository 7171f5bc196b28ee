#include <QLinearGradient>
#include <cmath>
#include <numbers>

#include "sketch_tools.h"
#include "sketches.h"

using namespace sketch;

namespace {

QPointF Unit(QPointF v) {
  return v / std::hypot(v.x(), v.y());
}

// The square's L: outer edges from the heel along both arms, each arm's width lying towards the
// other arm.
QPolygonF SquareOutline(QPointF heel, QPointF body, double bodyLength, double bodyWidth,
                        QPointF tongue, double tongueLength, double tongueWidth) {
  const QPointF inner = heel + tongue * bodyWidth + body * tongueWidth;
  return QPolygonF({heel, heel + body * bodyLength, heel + body * bodyLength + tongue * bodyWidth,
                    inner, heel + tongue * tongueLength + body * tongueWidth,
                    heel + tongue * tongueLength});
}

void DrawInchMarks(QPainter& painter, QPointF heel, QPointF direction, QPointF inward,
                   double length, double scale) {
  painter.setPen(QPen(QColor(30, 30, 36), 0.8));
  for (int half = 1; half * scale / 2 < length - 2; ++half) {
    const QPointF at = heel + direction * (half * scale / 2);
    const double mark = half % 8 == 0 ? 8 : half % 2 == 0 ? 5 : 3;
    painter.drawLine(at, at + inward * mark);
  }
}

}  // namespace

// Checking a leg cut of the built-in design (31 degrees) with a rafter square: the 12 in arm and
// the rise from the angle report both touch the board's edge, and the other arm shows the cut.
QImage DrawAngleCheckingSketch(int width, int height) {
  QImage image = NewSketch(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const double scale = 12.6;  // pixels per inch
  const double run = 12.0, rise = 12.0 * std::tan(30.96 * std::numbers::pi / 180);  // 7.2 in
  const double edgeY = 60, boardDepth = 5.5 * scale, boardBottom = edgeY + boardDepth;
  const double span = std::hypot(run, rise);  // between the two marks, along the edge
  const QPointF markRun(58, edgeY);
  const QPointF markRise(markRun.x() + span * scale, edgeY);
  const double heelDepth = run * rise / span;
  const QPointF heel(markRun.x() + run * run / span * scale, edgeY + heelDepth * scale);
  const QPointF alongBody = Unit(markRun - heel), alongTongue = Unit(markRise - heel);

  // The board, cut along the tongue's outer edge; the offcut is shown faded.
  const double cutBottomX =
      markRise.x() + (boardBottom - edgeY) * alongTongue.x() / alongTongue.y();
  DrawBoard(painter,
            QPolygonF({QPointF(markRise.x(), edgeY), QPointF(width - 14, edgeY),
                       QPointF(width - 14, boardBottom), QPointF(cutBottomX, boardBottom)}),
            0, 5, QColor(250, 240, 222));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 120));
  painter.drawRect(QRectF(cutBottomX - 2, edgeY - 1, width, boardDepth + 2));
  DrawBoard(painter,
            QPolygonF({QPointF(8, edgeY), markRise, QPointF(cutBottomX, boardBottom),
                       QPointF(8, boardBottom)}),
            0, 6);
  DrawCentredText(painter, QPointF(width - 44, boardBottom - 12), "offcut", Font(11, false, true),
                  QColor(150, 120, 90));

  // The square: a 2 in body and a 1 1/2 in tongue, their outer edges meeting at the heel.
  const QPointF bodyInward = Unit(alongTongue), tongueInward = Unit(alongBody);
  const double bodyLength = 14.5 * scale, tongueLength = 10.2 * scale;
  const QPolygonF steel = SquareOutline(heel, alongBody, bodyLength, 2.0 * scale, alongTongue,
                                        tongueLength, 1.5 * scale);
  QLinearGradient metal(heel, heel + QPointF(-60, -90));
  metal.setColorAt(0, QColor(150, 158, 168));
  metal.setColorAt(1, QColor(206, 212, 220));
  painter.setBrush(metal);
  painter.setPen(QPen(QColor(60, 64, 72), 1.2));
  painter.drawPolygon(steel);
  DrawInchMarks(painter, heel, alongBody, bodyInward, bodyLength, scale);
  DrawInchMarks(painter, heel, alongTongue, tongueInward, tongueLength, scale);

  // The arm's name stamped along the body, as on a real square.
  painter.save();
  painter.translate(heel + alongBody * (6.0 * scale) + bodyInward * (1.15 * scale));
  painter.rotate(std::atan2(-alongBody.y(), -alongBody.x()) * 180 / std::numbers::pi);
  painter.setFont(Font(11, true));
  painter.setPen(QColor(20, 24, 40));
  painter.drawText(QRectF(-80, -8, 160, 16), Qt::AlignCenter, "12 in (305 mm) arm");
  painter.restore();

  // The cut marked along the tongue, and its angle from square.
  painter.setPen(QPen(kWarn, 2.0, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(markRise, QPointF(cutBottomX, boardBottom));
  painter.setPen(QPen(kInk, 0.9, Qt::DashLine));
  const double arcRadius = 40;
  painter.drawLine(markRise, QPointF(markRise.x(), edgeY + arcRadius + 6));
  const double cutAngle =
      std::atan2(-alongTongue.y(), alongTongue.x()) * 180 / std::numbers::pi;  // from +x
  painter.setPen(QPen(kInk, 1.1));
  painter.setBrush(Qt::NoBrush);
  const QRectF arcBox(markRise.x() - arcRadius, edgeY - arcRadius, 2 * arcRadius, 2 * arcRadius);
  painter.drawArc(arcBox, -90 * 16, static_cast<int>((-(180 - cutAngle) + 90) * 16));
  DrawCentredText(painter, QPointF(markRise.x() + 26, edgeY + arcRadius - 8), "31.0\u00b0",
                  Font(12, true), kInk);
  painter.setFont(Font(11, true));
  painter.setPen(kWarn);
  painter.drawText(QRectF(cutBottomX + 10, boardBottom - 18, 120, 14), Qt::AlignLeft, "cut line");

  // The two marks on the edge.
  for (const QPointF& mark : {markRun, markRise}) {
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(kWarn);
    painter.drawEllipse(mark, 4.2, 4.2);
  }
  painter.setPen(QPen(kHighlight, 2.4));
  painter.drawLine(QPointF(8, edgeY), QPointF(markRun.x() - 24, edgeY));
  DrawCentredText(painter, QPointF(30, edgeY + 10), "edge", Font(11, true), kHighlight.darker(120));

  painter.setFont(Font(12, true));
  painter.setPen(kInk);
  painter.drawText(QRectF(8, boardBottom + 3, 200, 16), Qt::AlignLeft, "12 in mark on the edge");
  DrawArrow(painter, QPointF(36, boardBottom + 4), markRun + QPointF(-3, 5), kInk, 1.0, false, 6);
  painter.drawText(QRectF(markRise.x() + 26, 8, 160, 36), Qt::AlignLeft,
                   "rise from the report\n7 3/16 in (183 mm)");
  DrawArrow(painter, QPointF(markRise.x() + 24, 22), markRise + QPointF(4, -5), kInk, 1.0, false,
            6);

  DrawCaption(painter, QRectF(0, height - 40, width, 40),
              "Set the 12 in (305 mm) arm and the rise from \"Two Angles Only\" on the same edge: "
              "the other arm then lies along the cut.");
  return image;
}
