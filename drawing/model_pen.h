#pragma once
// Draws model points, given in feet, on a canvas: pixel = origin + feet * pixels per foot.
#include <initializer_list>

#include "platform/canvas.h"

namespace varnloft {

struct ModelPoint {
  double x, y;
};

class ModelPen {
 public:
  ModelPen(Canvas& canvas, double originX, double originY, double pixelsPerFoot)
      : canvas_(canvas), originX_(originX), originY_(originY), scale_(pixelsPerFoot) {}

  double X(double feet) const { return originX_ + feet * scale_; }
  double Y(double feet) const { return originY_ + feet * scale_; }

  // A separate line is its own move-to and line-to.
  void Line(ModelPoint from, ModelPoint to);
  // One move-to to the first point, then a line-to through each of the others.
  void Polyline(std::initializer_list<ModelPoint> points);
  // A polyline that ends with a line back to its first point.
  void ClosedOutline(std::initializer_list<ModelPoint> points);
  void Rectangle(ModelPoint corner, ModelPoint oppositeCorner);
  void Ellipse(ModelPoint corner, ModelPoint oppositeCorner);

 private:
  Canvas& canvas_;
  double originX_, originY_, scale_;
};

}  // namespace varnloft
