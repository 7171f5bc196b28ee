#pragma once
// Points and directions of the table model in double precision: feet, x along the table, y
// across it, z up from the floor.
#include <cmath>

namespace varnloft {

struct Vec2 {
  double x = 0, y = 0;
};

struct Vec3 {
  double x = 0, y = 0, z = 0;

  Vec3& operator+=(const Vec3& o) {
    x += o.x;
    y += o.y;
    z += o.z;
    return *this;
  }
  Vec3& operator-=(const Vec3& o) {
    x -= o.x;
    y -= o.y;
    z -= o.z;
    return *this;
  }
};

inline Vec3 operator+(Vec3 a, const Vec3& b) {
  return a += b;
}
inline Vec3 operator-(Vec3 a, const Vec3& b) {
  return a -= b;
}
inline Vec3 operator-(const Vec3& a) {
  return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(const Vec3& a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, const Vec3& a) {
  return a * s;
}
inline Vec3 operator/(const Vec3& a, double s) {
  return {a.x / s, a.y / s, a.z / s};
}

inline double Dot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Vec3& a) {
  return std::sqrt(Dot(a, a));
}
// The unit vector along a; the zero vector stays zero.
inline Vec3 Normalized(const Vec3& a) {
  const double n = Length(a);
  return n > 0 ? a / n : Vec3{};
}
inline bool AllFinite(const Vec3& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

// An axis-aligned box; empty until the first point is added.
struct Box3 {
  Vec3 min{HUGE_VAL, HUGE_VAL, HUGE_VAL};
  Vec3 max{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};

  bool Empty() const { return !(min.x <= max.x && min.y <= max.y && min.z <= max.z); }
  void Add(const Vec3& p) {
    min = {std::fmin(min.x, p.x), std::fmin(min.y, p.y), std::fmin(min.z, p.z)};
    max = {std::fmax(max.x, p.x), std::fmax(max.y, p.y), std::fmax(max.z, p.z)};
  }
  void Add(const Box3& b) {
    if (b.Empty()) return;
    Add(b.min);
    Add(b.max);
  }
  Vec3 Size() const { return Empty() ? Vec3{} : max - min; }
  Vec3 Centre() const { return Empty() ? Vec3{} : (min + max) * 0.5; }
};

// The volume the two boxes share; 0 when they only touch or do not meet.
inline double OverlapVolume(const Box3& a, const Box3& b) {
  if (a.Empty() || b.Empty()) return 0;
  const double dx = std::fmin(a.max.x, b.max.x) - std::fmax(a.min.x, b.min.x);
  const double dy = std::fmin(a.max.y, b.max.y) - std::fmax(a.min.y, b.min.y);
  const double dz = std::fmin(a.max.z, b.max.z) - std::fmax(a.min.z, b.min.z);
  return dx > 0 && dy > 0 && dz > 0 ? dx * dy * dz : 0;
}

}  // namespace varnloft
