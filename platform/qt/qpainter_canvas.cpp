#include "platform/qt/qpainter_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_conversions.h"

namespace varnloft {

namespace {

// QPainter strokes a QRect one pixel wider and higher than its size; the device leaves out the
// right and bottom edges. So a box from (x1, y1) to (x2, y2) becomes a QRect one pixel smaller.
QRect OutlineRect(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, int dotsPerInch, CanvasSettings start)
    : painter_(painter), dotsPerInch_(dotsPerInch), settings_(std::move(start)) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBrush(QBrush(Qt::white, Qt::SolidPattern));
  painter_.setBackground(QBrush(Qt::white));
  painter_.setBackgroundMode(Qt::OpaqueMode);
  ApplyPen();
  ApplyFont();
}

int QPainterCanvas::PixelsForPoints(int points, int dotsPerInch) {
  // points * dpi / 72, halves rounded away from zero.
  const long long product = static_cast<long long>(points) * dotsPerInch;
  const long long magnitude = (std::llabs(product) + 36) / 72;
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

void QPainterCanvas::ApplyPen() {
  QPen pen(ToQColor(settings_.penColor));
  pen.setWidth(std::max(settings_.penWidth, 1));
  pen.setStyle(Qt::SolidLine);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
}

void QPainterCanvas::ApplyFont() {
  QFont font(QString::fromStdString(settings_.fontName));
  font.setPixelSize(std::max(PixelsForPoints(settings_.fontSize, dotsPerInch_), 1));
  painter_.setFont(font);
}

void QPainterCanvas::SetPenColor(Rgb c) {
  settings_.penColor = c;
  ApplyPen();
}
void QPainterCanvas::SetPenWidth(int width) {
  settings_.penWidth = width;
  ApplyPen();
}
void QPainterCanvas::SetFontName(const std::string& name) {
  settings_.fontName = name;
  ApplyFont();
}
void QPainterCanvas::SetFontSize(int points) {
  settings_.fontSize = points;
  ApplyFont();
}
void QPainterCanvas::SetFontColor(Rgb c) {
  settings_.fontColor = c;
}

int QPainterCanvas::Width() const {
  return painter_.device() ? painter_.device()->width() : 0;
}
int QPainterCanvas::Height() const {
  return painter_.device() ? painter_.device()->height() : 0;
}

void QPainterCanvas::DoMoveTo(int x, int y) {
  position_ = QPoint(x, y);
}

void QPainterCanvas::DoLineTo(int x, int y) {
  const QPoint to(x, y);
  painter_.drawLine(position_, to);
  position_ = to;
}

void QPainterCanvas::DoRectangle(int x1, int y1, int x2, int y2) {
  const QRect box = OutlineRect(x1, y1, x2, y2);
  if (box.width() < 0 || box.height() < 0) return;  // an empty rectangle paints nothing
  if (box.width() == 0 || box.height() == 0) {
    painter_.drawLine(box.topLeft(), box.topLeft() + QPoint(box.width(), box.height()));
    return;
  }
  painter_.drawRect(box);
}

void QPainterCanvas::DoEllipse(int x1, int y1, int x2, int y2) {
  const QRect box = OutlineRect(x1, y1, x2, y2);
  if (box.width() < 0 || box.height() < 0) return;
  if (box.width() == 0 || box.height() == 0) {
    painter_.drawLine(box.topLeft(), box.topLeft() + QPoint(box.width(), box.height()));
    return;
  }
  painter_.drawEllipse(box);
}

void QPainterCanvas::DoTextOut(int x, int y, const std::string& text) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics metrics = painter_.fontMetrics();
  const QRect box(x, y, metrics.horizontalAdvance(qtext), metrics.height());
  painter_.fillRect(box, Qt::white);
  const QPen linePen = painter_.pen();
  painter_.setPen(ToQColor(settings_.fontColor));
  painter_.drawText(QPoint(x, y + metrics.ascent()), qtext);
  painter_.setPen(linePen);
}

void QPainterCanvas::DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(corners.size()));
  for (const PixelPoint& p : corners) polygon << QPoint(p.x, p.y);
  // Filled only: the pen and the white brush of the other drawings stay as they were.
  const QPen pen = painter_.pen();
  const QBrush brush = painter_.brush();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(QBrush(ToQColor(fill), Qt::SolidPattern));
  painter_.drawPolygon(polygon);
  painter_.setPen(pen);
  painter_.setBrush(brush);
}

}  // namespace varnloft
