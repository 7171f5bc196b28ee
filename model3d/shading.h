#pragma once
// The light of the table's pictures, shared by the z-buffer renderer and the assembly picture:
// it comes from over the viewer's left shoulder, so that the three visible sides of a board each
// get their own shade.
#include <algorithm>

#include "model3d/orbit_camera.h"
#include "platform/canvas.h"

namespace varnloft {

inline Vec3 LightDirection(const ViewTransform& view) {
  return Normalized(-view.forward * 1.0 + view.up * 0.8 - view.right * 0.45);
}

// How brightly a face with this outward normal is lit: 0.45 in shadow up to 1 facing the light.
inline double Lightness(const Vec3& normal, const Vec3& light) {
  return 0.45 + 0.55 * std::max(0.0, Dot(normal, light));
}

inline Rgb Shaded(Rgb c, double light) {
  auto channel = [light](std::uint8_t v) {
    return static_cast<std::uint8_t>(std::clamp(v * light, 0.0, 255.0));
  };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

}  // namespace varnloft
