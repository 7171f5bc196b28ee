#pragma once
// Hands every call to two canvases: a picture and its recording are drawn in one pass.
#include "platform/canvas.h"

namespace varnloft {

class TeeCanvas : public Canvas {
 public:
  // Width and height are the first canvas's.
  TeeCanvas(Canvas& first, Canvas& second) : first_(first), second_(second) {}

  void SetPenColor(Rgb c) override { first_.SetPenColor(c), second_.SetPenColor(c); }
  void SetPenWidth(int w) override { first_.SetPenWidth(w), second_.SetPenWidth(w); }
  void SetFontName(const std::string& n) override { first_.SetFontName(n), second_.SetFontName(n); }
  void SetFontSize(int p) override { first_.SetFontSize(p), second_.SetFontSize(p); }
  void SetFontColor(Rgb c) override { first_.SetFontColor(c), second_.SetFontColor(c); }
  int Width() const override { return first_.Width(); }
  int Height() const override { return first_.Height(); }

 protected:
  // Whole pixels pass through the public calls unchanged.
  void DoMoveTo(int x, int y) override { first_.MoveTo(x, y), second_.MoveTo(x, y); }
  void DoLineTo(int x, int y) override { first_.LineTo(x, y), second_.LineTo(x, y); }
  void DoRectangle(int x1, int y1, int x2, int y2) override {
    first_.Rectangle(x1, y1, x2, y2), second_.Rectangle(x1, y1, x2, y2);
  }
  void DoEllipse(int x1, int y1, int x2, int y2) override {
    first_.Ellipse(x1, y1, x2, y2), second_.Ellipse(x1, y1, x2, y2);
  }
  void DoTextOut(int x, int y, const std::string& t) override {
    first_.TextOut(x, y, t), second_.TextOut(x, y, t);
  }
  void DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) override {
    std::vector<CanvasPoint> whole;
    whole.reserve(corners.size());
    for (const PixelPoint& p : corners)
      whole.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    first_.FillPolygon(whole, fill), second_.FillPolygon(whole, fill);
  }

 private:
  Canvas& first_;
  Canvas& second_;
};

}  // namespace varnloft
