#pragma once
// A window onto part of a page: a figure that draws on a whole canvas (the cutting diagram, the
// assembly picture) draws here into a rectangle of the page, its origin moved to the rectangle's
// top-left corner and its size that of the rectangle. Every call goes on to the page's canvas.
#include "platform/canvas.h"

namespace varnloft {

class CanvasWindow : public Canvas {
 public:
  // Pen widths are multiplied by `penScale`: a figure made for the screen, whose pen is one
  // pixel wide, stays visible on a printer's page.
  CanvasWindow(Canvas& page, int left, int top, int width, int height, int penScale = 1)
      : page_(page), left_(left), top_(top), width_(width), height_(height), penScale_(penScale) {}

  void SetPenColor(Rgb c) override { page_.SetPenColor(c); }
  void SetPenWidth(int w) override { page_.SetPenWidth(w * penScale_); }
  void SetFontName(const std::string& n) override { page_.SetFontName(n); }
  void SetFontSize(int p) override { page_.SetFontSize(p); }
  void SetFontColor(Rgb c) override { page_.SetFontColor(c); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 protected:
  void DoMoveTo(int x, int y) override { page_.MoveTo(x + left_, y + top_); }
  void DoLineTo(int x, int y) override { page_.LineTo(x + left_, y + top_); }
  void DoRectangle(int x1, int y1, int x2, int y2) override {
    page_.Rectangle(x1 + left_, y1 + top_, x2 + left_, y2 + top_);
  }
  void DoEllipse(int x1, int y1, int x2, int y2) override {
    page_.Ellipse(x1 + left_, y1 + top_, x2 + left_, y2 + top_);
  }
  void DoTextOut(int x, int y, const std::string& text) override {
    page_.TextOut(x + left_, y + top_, text);
  }
  void DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) override {
    std::vector<CanvasPoint> moved;
    moved.reserve(corners.size());
    for (const PixelPoint& p : corners) moved.push_back({double(p.x + left_), double(p.y + top_)});
    page_.FillPolygon(moved, fill);
  }

 private:
  Canvas& page_;
  int left_, top_, width_, height_, penScale_;
};

}  // namespace varnloft
