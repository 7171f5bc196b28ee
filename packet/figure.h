#pragma once
// A drawing kept as its lines, circles and texts in its own frame (pixels of the page, the
// origin at its top-left corner), so that it can be placed on a page whole, or in parts over
// several pages with every line cut at the part's edges.
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace varnloft {

struct FigureLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int penWidth = 1;
  Rgb colour = kBlack;
};

struct FigureCircle {
  double cx = 0, cy = 0, radius = 0;
  int penWidth = 1;
  Rgb colour = kBlack;
};

struct FigureText {
  double x = 0, y = 0;  // the text box's top-left corner
  std::string text;
  int points = 9;
  Rgb colour = kBlack;
};

struct Figure {
  double width = 0, height = 0;
  std::vector<FigureLine> lines;
  std::vector<FigureCircle> circles;
  std::vector<FigureText> texts;

  void Line(double x1, double y1, double x2, double y2, int penWidth, Rgb colour = kBlack) {
    lines.push_back({x1, y1, x2, y2, penWidth, colour});
  }
  void Text(double x, double y, std::string text, int points, Rgb colour = kBlack) {
    texts.push_back({x, y, std::move(text), points, colour});
  }
};

struct FigureRect {
  double left = 0, top = 0, width = 0, height = 0;
  bool Contains(double x, double y) const {
    return x >= left && x <= left + width && y >= top && y <= top + height;
  }
};

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it lies inside.
bool ClipLine(const FigureRect& r, double& x1, double& y1, double& x2, double& y2);

// Draws the part `part` of the figure with the part's top-left corner at (left, top) on the
// canvas. Lines are cut at the part's edges; a circle or a text is drawn when its centre or its
// corner lies inside the part. Circles come first, then lines, then texts on their white boxes.
void DrawFigurePart(Canvas& canvas, const Figure& figure, const FigureRect& part, double left,
                    double top);

// The whole figure with its top-left corner at (left, top).
void DrawFigure(Canvas& canvas, const Figure& figure, double left, double top);

}  // namespace varnloft
