#include "table_photo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
  double x = 0, y = 0, z = 0;
  Vec operator+(Vec o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec operator-(Vec o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec operator*(double s) const { return {x * s, y * s, z * s}; }
  Vec operator*(Vec o) const { return {x * o.x, y * o.y, z * o.z}; }
};
double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec Normalize(Vec a) {
  return a * (1.0 / std::sqrt(Dot(a, a)));
}
Vec Mix(Vec a, Vec b, double t) {
  return a * (1 - t) + b * t;
}
double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}
double SmoothStep(double a, double b, double v) {
  const double t = Clamp01((v - a) / (b - a));
  return t * t * (3 - 2 * t);
}

// Deterministic value noise and its fractal sum.
double Hash(int x, int y, int z) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(z) * 2147483647u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}
double Noise(double x, double y, double z) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y)),
            iz = static_cast<int>(std::floor(z));
  const double fx = x - ix, fy = y - iy, fz = z - iz;
  const double u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy), w = fz * fz * (3 - 2 * fz);
  auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
  const double x00 = lerp(Hash(ix, iy, iz), Hash(ix + 1, iy, iz), u);
  const double x10 = lerp(Hash(ix, iy + 1, iz), Hash(ix + 1, iy + 1, iz), u);
  const double x01 = lerp(Hash(ix, iy, iz + 1), Hash(ix + 1, iy, iz + 1), u);
  const double x11 = lerp(Hash(ix, iy + 1, iz + 1), Hash(ix + 1, iy + 1, iz + 1), u);
  return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}
double Fbm(double x, double y, double z, int octaves = 5) {
  double sum = 0, amplitude = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * Noise(x, y, z);
    total += amplitude;
    x *= 2.03;
    y *= 2.03;
    z *= 2.03;
    amplitude *= 0.5;
  }
  return sum / total;
}

// Small fast generator for the sample positions; seeded per pixel so the picture is repeatable.
struct Random {
  std::uint64_t state;
  double Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return (state >> 11) * (1.0 / 9007199254740992.0);
  }
};

enum class Material { Wood, Metal };

// One board (or bolt head) as an oriented box: axis[0] runs along the grain.
struct Board {
  Vec centre;
  std::array<Vec, 3> axis;
  std::array<double, 3> half;
  Material material = Material::Wood;
  Vec tint;
  double pithQ = 0, pithR = 0, seed = 0;
};

struct Hit {
  double t = std::numeric_limits<double>::infinity();
  Vec normal;
  Vec local;
  int board = -1;  // -1: the ground
};

bool IntersectBoard(const Board& b, Vec origin, Vec dir, double tMax, Hit& hit) {
  const Vec p = origin - b.centre;
  double tNear = -std::numeric_limits<double>::infinity(), tFar = tMax;
  int nearAxis = -1;
  double nearSign = 1;
  for (int i = 0; i < 3; ++i) {
    const double e = Dot(b.axis[i], p), f = Dot(b.axis[i], dir);
    if (std::fabs(f) < 1e-12) {
      if (std::fabs(e) > b.half[i]) return false;
      continue;
    }
    double t1 = (-b.half[i] - e) / f, t2 = (b.half[i] - e) / f;
    if (t1 > t2) std::swap(t1, t2);
    if (t1 > tNear) {
      tNear = t1;
      nearAxis = i;
      nearSign = f > 0 ? -1 : 1;
    }
    tFar = std::min(tFar, t2);
    if (tNear > tFar) return false;
  }
  if (nearAxis < 0 || tNear < 1e-6 || tNear >= hit.t) return false;
  hit.t = tNear;
  hit.normal = b.axis[nearAxis] * nearSign;
  const Vec q = p + dir * tNear;
  hit.local = {Dot(b.axis[0], q), Dot(b.axis[1], q), Dot(b.axis[2], q)};
  return true;
}

class Scene {
 public:
  Scene() { BuildTable(); }

  Hit Trace(Vec origin, Vec dir) const {
    Hit hit;
    if (dir.y < 0) {
      const double t = -origin.y / dir.y;
      if (t > 1e-6) hit.t = t, hit.normal = {0, 1, 0}, hit.board = -1;
    }
    for (std::size_t i = 0; i < boards_.size(); ++i)
      if (IntersectBoard(boards_[i], origin, dir, hit.t, hit)) hit.board = static_cast<int>(i);
    return hit;
  }

  bool Occluded(Vec origin, Vec dir, double maxDistance) const {
    Hit hit;
    hit.t = maxDistance;
    for (const Board& b : boards_)
      if (IntersectBoard(b, origin, dir, hit.t, hit)) return true;
    return false;
  }

  const Board& BoardAt(int i) const { return boards_[static_cast<std::size_t>(i)]; }

 private:
  void Add(Vec centre, Vec along, Vec across, std::array<double, 3> size,
           Material material = Material::Wood) {
    Board b;
    b.centre = centre;
    b.axis = {Normalize(along), Normalize(across), Normalize(Cross(along, across))};
    b.half = {size[0] / 2, size[1] / 2, size[2] / 2};
    b.material = material;
    const double n = static_cast<double>(boards_.size());
    const double shade = 0.88 + 0.24 * Hash(static_cast<int>(n), 7, 3);
    const double warmth = 0.94 + 0.12 * Hash(static_cast<int>(n), 11, 5);
    b.tint = material == Material::Wood ? Vec{0.46 * shade * warmth, 0.235 * shade, 0.105 * shade}
                                        : Vec{0.30, 0.31, 0.33};
    b.pithQ = (Hash(static_cast<int>(n), 1, 1) - 0.5) * 10 +
              (Hash(static_cast<int>(n), 2, 2) < 0.5 ? -6 : 6);
    b.pithR = (Hash(static_cast<int>(n), 3, 3) - 0.5) * 8 - 4;
    b.seed = n * 17.31;
    boards_.push_back(b);
  }

  // The built-in design, in inches: 72 in long, top at 29.5 in, seats at 17.5 in.
  void BuildTable() {
    const Vec alongX{1, 0, 0}, alongY{0, 1, 0}, alongZ{0, 0, 1};
    for (int i = 0; i < 6; ++i)  // deck: six 2 X 6 with 1/4 in gaps
      Add({0, 28.75, -17.125 + 2.75 + i * 5.75}, alongX, alongZ, {72, 5.5, 1.5});
    for (double side : {-1.0, 1.0})  // seats: two 2 X 6 a side, 3 in out from the top
      for (double centre : {22.875, 28.625})
        Add({0, 16.75, side * centre}, alongX, alongZ, {72, 5.5, 1.5});
    Add({0, 26.25, 0}, alongZ, alongY, {33.0, 3.5, 1.5});  // centre support
    const double tanLeg = std::tan(31.0 * kPi / 180);
    for (double end : {-1.0, 1.0}) {
      Add({end * 31.75, 26.25, 0}, alongZ, alongY, {33.5, 3.5, 1.5});   // top support
      Add({end * 31.75, 14.25, 0}, alongZ, alongY, {62.75, 3.5, 1.5});  // seat support
      for (double side : {-1.0, 1.0}) {                                 // legs
        const Vec top{end * 30.25, 27.0, side * 11.6};
        const Vec foot{end * 30.25, -1.0, side * (11.6 + 28.0 * tanLeg)};
        const Vec along = foot - top;
        const double length = std::sqrt(Dot(along, along));
        const Vec across = Normalize(Cross(along, alongX));
        Add((top + foot) * 0.5, along, across, {length, 3.5, 1.5});
        for (double y : {26.25, 14.25}) {  // galvanised bolt heads on the supports
          const double z = side * (11.6 + (27.0 - y) * tanLeg);
          Add({end * 32.62, y, z}, alongZ, alongY, {0.9, 0.9, 0.25}, Material::Metal);
        }
      }
      // Brace from the centre support down to the seat support.
      const Vec start{end * 0.75, 25.2, 0}, finish{end * 31.0, 14.6, 0};
      const Vec along = finish - start;
      Add((start + finish) * 0.5, along, Cross(alongZ, along),
          {std::sqrt(Dot(along, along)), 3.5, 1.5});
    }
  }

  std::vector<Board> boards_;
};

Vec WoodAlbedo(const Board& b, Vec local) {
  if (b.material == Material::Metal) return b.tint;
  const double q = local.y - b.pithQ, r = local.z - b.pithR;
  const double wobble = 1.2 * Fbm(local.x * 0.02 + b.seed, q * 0.15, r * 0.15, 4);
  const double ring = std::fmod(std::sqrt(q * q + r * r) * 1.9 + wobble, 1.0);
  const double late = SmoothStep(0.55, 0.9, ring) * (1 - SmoothStep(0.9, 1.0, ring));
  Vec colour = Mix(b.tint, b.tint * Vec{0.70, 0.66, 0.62}, late * 0.85);
  const double streak = Noise(local.x * 0.06 + b.seed, local.y * 5, local.z * 5);
  colour = colour * (0.9 + 0.2 * streak);
  // Eased edges: a little darker where two faces meet.
  std::array<double, 3> inside{};
  for (int i = 0; i < 3; ++i) {
    const double c = i == 0 ? local.x : i == 1 ? local.y : local.z;
    inside[i] = b.half[i] - std::fabs(c);
  }
  std::sort(inside.begin(), inside.end());
  const double edge = inside[1];  // distance to the nearest edge of the face that was hit
  return colour * (0.72 + 0.28 * SmoothStep(0.0, 0.18, edge));
}

Vec GrassAlbedo(double x, double z) {
  const double patches = Fbm(x * 0.012, 0.5, z * 0.012, 4);
  const double clumps = Fbm(x * 0.09, 3.5, z * 0.09, 3);
  const double blades = 0.6 * Noise(x * 1.7, 9.1, z * 1.7) + 0.4 * Noise(x * 5.3, 1.7, z * 5.3);
  Vec green{0.045, 0.11, 0.02};
  green = Mix(green, Vec{0.10, 0.17, 0.035}, SmoothStep(0.3, 0.8, patches));
  green = Mix(green, Vec{0.17, 0.16, 0.06}, SmoothStep(0.6, 0.85, clumps) * 0.55);
  return green * (0.6 + 0.8 * blades);
}

const Vec kSunColour{2.3, 2.1, 1.8};
const Vec kSkyLight{0.36, 0.44, 0.60};
const Vec kHaze{0.62, 0.72, 0.84};

// The tree line stands about 250 ft away; anything of the lawn beyond it is hidden by the trees.
constexpr double kTreeDistance = 3000;

Vec TreeColour(double azimuth, double height) {
  const double leaves = Fbm(azimuth * 300, height * 600, 4, 4);
  Vec tree = Mix(Vec{0.014, 0.035, 0.012}, Vec{0.055, 0.10, 0.03},
                 leaves * (0.35 + 0.65 * Clamp01(height)));
  return Mix(tree, kHaze, 0.16);
}

Vec SkyColour(Vec dir) {
  const double elevation = std::asin(std::clamp(dir.y, -1.0, 1.0));
  const double azimuth = std::atan2(dir.z, dir.x);
  const double crowns = std::pow(Fbm(azimuth * 80, 5.5, 0, 3), 1.5);
  const double treeTop = 0.006 + 0.028 * Fbm(azimuth * 6 + 40, 1.3, 0, 4) + 0.018 * crowns;
  if (elevation < treeTop) return TreeColour(azimuth, elevation / treeTop);
  const double t = Clamp01(elevation / 0.5);
  Vec sky = Mix(kHaze * 1.05, Vec{0.16, 0.33, 0.72}, std::pow(t, 0.6));
  if (dir.y > 0.02) {
    const double u = dir.x / dir.y * 0.35, v = dir.z / dir.y * 0.35;
    const double cloud = SmoothStep(0.52, 0.78, Fbm(u, v, 7.7, 6));
    sky = Mix(sky, Vec{1.05, 1.05, 1.08}, cloud * 0.85);
  }
  return sky;
}

// Cosine-weighted direction around a normal, for the sky light's occlusion.
Vec HemisphereDirection(Vec n, Random& random) {
  const double a = 2 * kPi * random.Next(), r = std::sqrt(random.Next());
  const Vec tangent =
      Normalize(std::fabs(n.y) < 0.9 ? Cross(n, Vec{0, 1, 0}) : Cross(n, Vec{1, 0, 0}));
  const Vec bitangent = Cross(n, tangent);
  return Normalize(tangent * (r * std::cos(a)) + bitangent * (r * std::sin(a)) +
                   n * std::sqrt(std::max(0.0, 1 - r * r)));
}

Vec Shade(const Scene& scene, Vec origin, Vec dir, Vec sun, Random& random) {
  const Hit hit = scene.Trace(origin, dir);
  if (!std::isfinite(hit.t)) return SkyColour(dir);
  if (hit.board < 0 && hit.t > kTreeDistance) return TreeColour(std::atan2(dir.z, dir.x), 0);
  const Vec point = origin + dir * hit.t;
  const Vec albedo = hit.board < 0 ? GrassAlbedo(point.x, point.z)
                                   : WoodAlbedo(scene.BoardAt(hit.board), hit.local);
  const Vec n = hit.normal;
  const Vec start = point + n * 1e-4;

  // Sun, with a little jitter for soft shadow edges.
  const Vec jitter{random.Next() - 0.5, random.Next() - 0.5, random.Next() - 0.5};
  const Vec toSun = Normalize(sun + jitter * 0.05);
  double direct = std::max(0.0, Dot(n, toSun));
  if (direct > 0 && scene.Occluded(start, toSun, 1e9)) direct = 0;

  // Sky light, darkened where the table hides the sky (under the top, between the boards).
  const Vec up = HemisphereDirection(n, random);
  const double open = scene.Occluded(start, up, 90) ? 0.15 : 1.0;
  const Vec bounce = Vec{0.10, 0.14, 0.06} * (0.5 - 0.5 * n.y);
  Vec colour = albedo * (kSunColour * direct + kSkyLight * open + bounce);

  // Distance haze.
  const double fog = 1 - std::exp(-hit.t / 9000.0);
  return Mix(colour, kHaze * 0.8, Clamp01(fog));
}

int ToByte(double linear) {
  const double mapped = 1 - std::exp(-linear * 1.35);  // gentle shoulder for the highlights
  return static_cast<int>(std::lround(255 * std::pow(Clamp01(mapped * 1.12), 1 / 2.2)));
}

}  // namespace

QImage RenderTablePhotograph(int width, int height) {
  const Scene scene;
  const Vec eye{112, 36, 138}, target{-2, 14.5, 0};
  const Vec forward = Normalize(target - eye);
  const Vec right = Normalize(Cross(forward, Vec{0, 1, 0}));
  const Vec up = Cross(right, forward);
  const double halfHeight = std::tan(25.0 * kPi / 180 / 2);
  const double halfWidth = halfHeight * width / height;
  const Vec sun = Normalize(Vec{-0.55, 0.95, 0.75});

  QImage image(width, height, QImage::Format_RGB32);
  constexpr int kGrid = 5;  // 25 samples per pixel
  for (int py = 0; py < height; ++py) {
    for (int px = 0; px < width; ++px) {
      Random random{0x9E3779B97F4A7C15ull ^ (static_cast<std::uint64_t>(py) << 32 | px)};
      random.Next();
      Vec sum;
      for (int sy = 0; sy < kGrid; ++sy)
        for (int sx = 0; sx < kGrid; ++sx) {
          const double u = ((px + (sx + random.Next()) / kGrid) / width * 2 - 1) * halfWidth;
          const double v = (1 - (py + (sy + random.Next()) / kGrid) / height * 2) * halfHeight;
          const Vec dir = Normalize(forward + right * u + up * v);
          sum = sum + Shade(scene, eye, dir, sun, random);
        }
      Vec colour = sum * (1.0 / (kGrid * kGrid));
      // A soft vignette, as a real lens gives.
      const double dx = (px + 0.5) / width - 0.5, dy = (py + 0.5) / height - 0.5;
      colour = colour * (1 - 0.35 * (dx * dx + dy * dy) * 2);
      image.setPixel(px, py, qRgb(ToByte(colour.x), ToByte(colour.y), ToByte(colour.z)));
    }
  }
  return image;
}
