#include "drawing/model_pen.h"

namespace varnloft {

void ModelPen::Line(ModelPoint from, ModelPoint to) {
  canvas_.MoveTo(X(from.x), Y(from.y));
  canvas_.LineTo(X(to.x), Y(to.y));
}

void ModelPen::Polyline(std::initializer_list<ModelPoint> points) {
  bool first = true;
  for (const ModelPoint& p : points) {
    if (first) {
      canvas_.MoveTo(X(p.x), Y(p.y));
      first = false;
    } else {
      canvas_.LineTo(X(p.x), Y(p.y));
    }
  }
}

void ModelPen::ClosedOutline(std::initializer_list<ModelPoint> points) {
  if (points.size() == 0) return;
  Polyline(points);
  const ModelPoint& start = *points.begin();
  canvas_.LineTo(X(start.x), Y(start.y));
}

void ModelPen::Rectangle(ModelPoint corner, ModelPoint oppositeCorner) {
  canvas_.Rectangle(X(corner.x), Y(corner.y), X(oppositeCorner.x), Y(oppositeCorner.y));
}

void ModelPen::Ellipse(ModelPoint corner, ModelPoint oppositeCorner) {
  canvas_.Ellipse(X(corner.x), Y(corner.y), X(oppositeCorner.x), Y(oppositeCorner.y));
}

}  // namespace varnloft
