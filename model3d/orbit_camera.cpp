#include "model3d/orbit_camera.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFieldOfView = 30.0;  // degrees, across the shorter side of the picture
constexpr double kMargin = 1.05;       // a little room around the fitted sphere

double Radians(double degrees) {
  return degrees * kPi / 180;
}

}  // namespace

void OrbitCamera::FitTo(const Box3& box) {
  target = box.Centre();
  const double r = Length(box.Size()) / 2;
  radius = std::isfinite(r) && r > 1e-6 ? r : 1;
}

void OrbitCamera::FitView(const Box3& box, int width, int height) {
  FitTo(box);
  zoom = 1;
  if (box.Empty()) return;
  // The camera stands outside the fitted sphere whatever the zoom, and the picture grows in
  // proportion to the zoom: one measurement at zoom 1 gives the zoom that fills the picture.
  const ViewTransform view = ViewOf(*this, width, height);
  double reach = 0;
  for (int corner = 0; corner < 8; ++corner) {
    const Vec3 p{corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                 corner & 4 ? box.max.z : box.min.z};
    const Vec3 v = view.ToView(p);
    if (!(v.z > 0)) return;
    reach = std::max({reach, std::fabs(view.focal * v.x / v.z) / (width / 2.0),
                      std::fabs(view.focal * v.y / v.z) / (height / 2.0)});
  }
  if (reach > 0 && std::isfinite(reach)) Zoom(0.92 / reach);
}

void OrbitCamera::Orbit(double degreesAround, double degreesUp) {
  if (std::isfinite(degreesAround)) azimuth = std::remainder(azimuth + degreesAround, 360.0);
  if (std::isfinite(degreesUp))
    elevation = std::clamp(elevation + degreesUp, -kMaxElevation, kMaxElevation);
}

void OrbitCamera::Zoom(double factor) {
  if (std::isfinite(factor) && factor > 0) zoom = std::clamp(zoom * factor, 0.05, 50.0);
}

ViewTransform ViewOf(const OrbitCamera& camera, int width, int height) {
  const double az = Radians(camera.azimuth);
  const double el = Radians(std::clamp(camera.elevation, -kMaxElevation, kMaxElevation));
  const Vec3 towardEye{std::sin(az) * std::cos(el), -std::cos(az) * std::cos(el), std::sin(el)};
  const double halfAngle = Radians(kFieldOfView / 2);
  const double distance = camera.radius * kMargin / std::sin(halfAngle);

  ViewTransform v;
  v.eye = camera.target + towardEye * distance;
  v.forward = -towardEye;
  v.right = Normalized(Cross(v.forward, Vec3{0, 0, 1}));
  v.up = Cross(v.right, v.forward);
  const double zoom = std::clamp(camera.zoom, 0.05, 50.0);
  v.focal = zoom * 0.5 * std::max(1, std::min(width, height)) / std::tan(halfAngle);
  v.centreX = width / 2.0;
  v.centreY = height / 2.0;
  v.nearDepth = distance * 1e-3;
  return v;
}

}  // namespace varnloft
