#pragma once
// The picture the software renderer draws into: colours as RGBA bytes in memory order (the
// layout of an RGBA8888 image), a depth per pixel, and the piece seen at each pixel.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace varnloft {

// One pixel's colour packed so that its bytes in memory read R, G, B, A.
inline std::uint32_t PackRgba(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                              std::uint8_t a = 255) {
  const unsigned char bytes[4] = {r, g, b, a};
  std::uint32_t v;
  std::memcpy(&v, bytes, 4);
  return v;
}

inline constexpr std::uint16_t kNoPiece = 0xFFFF;

struct RenderTarget {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgba;
  std::vector<float> depth;          // 1 / distance; 0 = nothing drawn
  std::vector<std::uint16_t> piece;  // index of the piece, or kNoPiece

  // Sizes the buffers; sizes below 1 or above 16384 are clamped.
  void Resize(int w, int h);

  // The piece index at pixel (x, y), or -1 for the background or a point off the picture.
  int PieceAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return -1;
    const std::uint16_t p = piece[static_cast<size_t>(y) * width + x];
    return p == kNoPiece ? -1 : p;
  }
};

}  // namespace varnloft
