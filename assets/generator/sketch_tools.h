#pragma once
// Drawing helpers shared by the explanatory sketches: one house style of colours, fonts, wood,
// arrows and dimension lines.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>

namespace sketch {

inline const QColor kInk(0, 0, 128);           // labels and dimensions, the program's navy
inline const QColor kOutline(92, 58, 26);      // board outlines
inline const QColor kWood(244, 220, 176);      // board faces
inline const QColor kGrain(222, 186, 132);     // grain lines
inline const QColor kEndGrain(230, 196, 146);  // cut faces
inline const QColor kWarn(196, 28, 28);        // what goes wrong
inline const QColor kGood(22, 128, 48);        // what is right
inline const QColor kHighlight(236, 120, 20);  // the edge or line to look at

QFont Font(int pixels, bool bold = false, bool italic = false);

// A white picture with antialiased drawing set up.
QImage NewSketch(int width, int height);

// A board face: wood fill, grain running along `grainAngle` degrees, outlined.
void DrawBoard(QPainter& painter, const QPolygonF& outline, double grainAngle, int seed,
               const QColor& fill = kWood);

// A filled arrow head with its tip at `tip`, pointing away from `from`.
void DrawArrowHead(QPainter& painter, QPointF tip, QPointF from, double size, const QColor& colour);

// A line with an arrow head at its end (and optionally at its start).
void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour,
               double width = 1.2, bool bothEnds = false, double headSize = 7);

// Dimension between a and b, drawn `offset` pixels to the left of the direction a -> b (negative:
// to the right), with extension lines from a and b and the label centred beside the line.
void DrawDimension(QPainter& painter, QPointF a, QPointF b, double offset, const QString& label,
                   const QFont& font);

// Text centred on a point.
void DrawCentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
                     const QColor& colour);

// A caption in a band along the bottom of the picture, word-wrapped and centred.
void DrawCaption(QPainter& painter, const QRectF& band, const QString& text);

// A ground line with short tufts of grass under it.
void DrawGround(QPainter& painter, double x1, double x2, double y);

}  // namespace sketch
