#include "app/qt/table_3d_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "model3d/table_renderer.h"

namespace varnloft {

namespace {

QColor BackgroundColour() {
  return QColor(kBackgroundColour.r, kBackgroundColour.g, kBackgroundColour.b);
}

}  // namespace

Table3dView::Table3dView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // the piece under the mouse is named without a button held
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
  setCursor(Qt::OpenHandCursor);
}

void Table3dView::SetScene(const Table3dScene* scene) {
  scene_ = scene;
  hovered_ = -1;
  // The first table waits for the first picture, when the view has its real size.
  if (!viewPending_) AimAtTable();
  Changed();
}

QSize Table3dView::PixelSize() const {
  const qreal ratio = devicePixelRatioF();
  return QSize(std::max(1, static_cast<int>(std::lround(width() * ratio))),
               std::max(1, static_cast<int>(std::lround(height() * ratio))));
}

void Table3dView::ResetView() {
  FitStartingView();
  Changed();
}

void Table3dView::FitStartingView() {
  const OrbitCamera start;
  camera_.azimuth = start.azimuth;
  camera_.elevation = start.elevation;
  if (scene_ && scene_->HasTable()) {
    const QSize size = PixelSize();
    camera_.FitView(ExplodedBounds(scene_->model, explode_), size.width(), size.height());
    viewPending_ = false;
  }
  stale_ = true;
}

void Table3dView::AimAtTable() {
  if (!scene_ || !scene_->HasTable()) return;
  const double zoom = camera_.zoom;
  camera_.FitTo(ExplodedBounds(scene_->model, explode_));
  camera_.zoom = zoom;
}

void Table3dView::SetExplode(double factor) {
  if (!std::isfinite(factor)) return;
  explode_ = std::clamp(factor, 0.0, 2.0);
  AimAtTable();
  Changed();
}

void Table3dView::SetPieceColours(std::vector<Rgb> colours) {
  if (colours == colours_) return;
  colours_ = std::move(colours);
  Changed();
}

void Table3dView::OrbitBy(int dx, int dy) {
  // Dragging right turns the table to the right (the camera goes left), dragging down shows
  // more of its top.
  camera_.Orbit(-dx * kDegreesPerPixel, dy * kDegreesPerPixel);
  Changed();
}

void Table3dView::Changed() {
  stale_ = true;
  update();
}

const RenderTarget& Table3dView::Rendered() {
  if (viewPending_ && scene_ && scene_->HasTable()) FitStartingView();
  const QSize size = PixelSize();
  if (target_.width != size.width() || target_.height != size.height()) {
    target_.Resize(size.width(), size.height());
    stale_ = true;
  }
  if (stale_) {
    RenderOptions options;
    options.explode = explode_;
    options.highlighted = hovered_;
    options.colours = colours_;
    if (scene_ && scene_->HasTable()) {
      options.marked = scene_->fit.offending;
      RenderTable(scene_->model, camera_, options, target_);
    } else {
      const Rgb bg = kBackgroundColour;
      std::fill(target_.rgba.begin(), target_.rgba.end(), PackRgba(bg.r, bg.g, bg.b));
      std::fill(target_.piece.begin(), target_.piece.end(), kNoPiece);
    }
    stale_ = false;
  }
  return target_;
}

void Table3dView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!scene_ || !scene_->HasTable()) {
    painter.fillRect(rect(), BackgroundColour());
    painter.setPen(Qt::darkGray);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     scene_ ? QString::fromStdString(scene_->message) : QString());
    return;
  }
  const RenderTarget& picture = Rendered();
  // The buffer's bytes are R, G, B, A in memory order: the layout of Format_RGBA8888, so the
  // image only wraps them.
  QImage image(reinterpret_cast<const uchar*>(picture.rgba.data()), picture.width, picture.height,
               static_cast<qsizetype>(picture.width) * 4, QImage::Format_RGBX8888);
  image.setDevicePixelRatio(devicePixelRatioF());
  painter.drawImage(QPointF(0, 0), image);
}

void Table3dView::resizeEvent(QResizeEvent*) {
  Changed();
}

void Table3dView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  lastDrag_ = event->position().toPoint();
  setCursor(Qt::ClosedHandCursor);
}

void Table3dView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_) {
    OrbitBy(at.x() - lastDrag_.x(), at.y() - lastDrag_.y());
    lastDrag_ = at;
    return;
  }
  // The pieces of the picture on screen; it is drawn anew only when it was never drawn at this
  // size, so that moving the mouse costs no extra frame.
  const QSize size = PixelSize();
  if (target_.width != size.width() || target_.height != size.height()) Rendered();
  const qreal ratio = devicePixelRatioF();
  SetHovered(target_.PieceAt(static_cast<int>(event->position().x() * ratio),
                             static_cast<int>(event->position().y() * ratio)));
}

void Table3dView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

void Table3dView::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y();
  if (steps == 0) return;
  camera_.Zoom(std::pow(1.15, steps / 120.0));
  Changed();
  event->accept();
}

void Table3dView::leaveEvent(QEvent*) {
  SetHovered(-1);
}

void Table3dView::SetHovered(int piece) {
  if (!scene_ || !scene_->HasTable()) piece = -1;
  if (piece == hovered_) return;
  hovered_ = piece;
  Changed();
  if (hoverChanged) hoverChanged(piece);
}

}  // namespace varnloft
