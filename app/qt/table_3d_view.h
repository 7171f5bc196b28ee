#pragma once
// The picture of the 3D view: the software renderer's RGBA buffer shown through a QImage that
// wraps it (no copy, no per-pixel work), painted by a plain widget, so no graphics card is
// needed. Dragging turns the camera around the table, the wheel zooms, and the piece under the
// mouse is drawn lighter and reported.
#include <QPoint>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/table_3d_scene.h"
#include "model3d/orbit_camera.h"
#include "model3d/render_target.h"
#include "platform/canvas.h"

namespace varnloft {

class Table3dView : public QWidget {
  Q_OBJECT

 public:
  explicit Table3dView(QWidget* parent = nullptr);

  // Shows `scene` (which must outlive the view, or be replaced before it goes). The camera keeps
  // its direction and zoom; the first scene with a table gets the starting view.
  void SetScene(const Table3dScene* scene);
  // Back to the starting view: from the front left, a little above, the table filling the view.
  void ResetView();
  // 0 = assembled; see ExplodeOffsets. The camera widens to keep the pieces in view.
  void SetExplode(double factor);
  // One colour a piece in place of the wood's (the safety colouring); none for the wood.
  void SetPieceColours(std::vector<Rgb> colours);
  // Turns the camera as a drag by (dx, dy) pixels does.
  void OrbitBy(int dx, int dy);

  const OrbitCamera& camera() const { return camera_; }
  double explode() const { return explode_; }
  int hoveredPiece() const { return hovered_; }
  // Renders now if anything changed since the last picture; returns the buffer shown.
  const RenderTarget& Rendered();

  // Called with the piece under the mouse (-1 for none) whenever it changes.
  std::function<void(int piece)> hoverChanged;

  static constexpr double kDegreesPerPixel = 0.4;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Changed();  // the picture must be drawn again
  void SetHovered(int piece);
  void AimAtTable();  // target and radius from the (exploded) table, direction and zoom kept
  void FitStartingView();
  QSize PixelSize() const;

  const Table3dScene* scene_ = nullptr;
  OrbitCamera camera_;
  bool viewPending_ = true;  // the starting view waits for the first table and a real size
  double explode_ = 0;
  std::vector<Rgb> colours_;
  int hovered_ = -1;
  bool dragging_ = false;
  QPoint lastDrag_;
  RenderTarget target_;
  bool stale_ = true;
};

}  // namespace varnloft
