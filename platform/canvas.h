#pragma once
// The one drawing interface. Figures hand coordinates over as doubles; they are rounded to whole
// pixels here, ties to even, and only whole pixels reach a back end.
#include <cstdint>
#include <string>
#include <vector>

namespace varnloft {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

std::string HexColor(Rgb c);  // "#RRGGBB"

// A corner of a filled polygon as a figure gives it, and as whole pixels for a back end.
struct CanvasPoint {
  double x = 0, y = 0;
};
struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Rounds a coordinate to the nearest whole pixel, ties to even. Throws ProgramError when the
// value is not finite or lies outside the range a device coordinate can hold.
int RoundToPixel(double v);

// Largest coordinate magnitude handed to a device; beyond it a drawing stops with an error.
inline constexpr double kMaxPixelCoordinate = 1.0e7;

class Canvas {
 public:
  virtual ~Canvas() = default;

  void MoveTo(double x, double y) { DoMoveTo(RoundToPixel(x), RoundToPixel(y)); }
  void LineTo(double x, double y) { DoLineTo(RoundToPixel(x), RoundToPixel(y)); }
  // Outline with the pen, filled with the white brush; (x2, y2) is exclusive as on the device.
  void Rectangle(double x1, double y1, double x2, double y2) {
    DoRectangle(RoundToPixel(x1), RoundToPixel(y1), RoundToPixel(x2), RoundToPixel(y2));
  }
  void Ellipse(double x1, double y1, double x2, double y2) {
    DoEllipse(RoundToPixel(x1), RoundToPixel(y1), RoundToPixel(x2), RoundToPixel(y2));
  }
  // Text (UTF-8) on a white box whose top-left corner is (x, y).
  void TextOut(double x, double y, const std::string& text) {
    DoTextOut(RoundToPixel(x), RoundToPixel(y), text);
  }
  // The polygon through `corners` filled with `fill`, without an outline (edges are drawn with
  // the pen where a figure wants them). Fewer than three corners draw nothing.
  void FillPolygon(const std::vector<CanvasPoint>& corners, Rgb fill);

  virtual void SetPenColor(Rgb c) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontColor(Rgb c) = 0;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

 protected:
  virtual void DoMoveTo(int x, int y) = 0;
  virtual void DoLineTo(int x, int y) = 0;
  virtual void DoRectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void DoEllipse(int x1, int y1, int x2, int y2) = 0;
  virtual void DoTextOut(int x, int y, const std::string& text) = 0;
  virtual void DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) = 0;
};

}  // namespace varnloft
