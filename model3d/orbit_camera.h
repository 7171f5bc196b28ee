#pragma once
// The camera of the 3D view: it circles the table's centre. Azimuth 0 looks at the front of the
// table (from the side of y < 0, x to the right), 90 looks from its right end; elevation is the
// angle above the horizon. Zoom narrows the lens, so the camera never moves into the table.
#include "model3d/vec.h"

namespace varnloft {

inline constexpr double kMaxElevation = 89.0;

struct OrbitCamera {
  double azimuth = -35;   // degrees
  double elevation = 25;  // degrees, kept within ±kMaxElevation
  double zoom = 1;        // 1 shows the fitted box whole
  Vec3 target;            // the point looked at
  double radius = 1;      // of the sphere the camera keeps in view at zoom 1, feet

  // Aims at the box's centre and sizes the view to hold it whole at zoom 1, from every side.
  void FitTo(const Box3& box);
  // As FitTo, then zooms so that the box fills a picture of this size from the present side,
  // with a small margin.
  void FitView(const Box3& box, int width, int height);
  // Turns by a mouse drag: degrees of azimuth and elevation.
  void Orbit(double degreesAround, double degreesUp);
  // Multiplies the zoom, kept between 0.05 and 50.
  void Zoom(double factor);
};

// A camera set up for one picture: view space has x to the right, y up and z the depth in front
// of the eye; screen space has its origin at the top-left corner of the picture, y down.
struct ViewTransform {
  Vec3 eye, right, up, forward;
  double focal = 1;  // pixels per unit of x / depth
  double centreX = 0, centreY = 0;
  double nearDepth = 1e-3;

  Vec3 ToView(const Vec3& world) const {
    const Vec3 d = world - eye;
    return {Dot(d, right), Dot(d, up), Dot(d, forward)};
  }
};

ViewTransform ViewOf(const OrbitCamera& camera, int width, int height);

}  // namespace varnloft
