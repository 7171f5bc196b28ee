#pragma once
// A canvas that keeps every call with its whole-pixel coordinates, for tests and --ops files.
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace varnloft {

struct CanvasOp {
  enum class Kind { MoveTo, LineTo, Rect, Ellipse, Text, Pen, Font, Page, Polygon };
  Kind kind = Kind::MoveTo;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // MoveTo/LineTo/Text use x1, y1; Page: number, w, h
  std::string text;                    // Text: the text; Font: the font name
  Rgb color;                           // Pen and Font colour; Polygon: the fill
  int size = 0;                        // Pen width or font size
  std::vector<PixelPoint> points;      // Polygon: the corners
};

// One JSON object on one line, in the --ops format.
std::string OpToJson(const CanvasOp& op);

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width = 0, int height = 0) : width_(width), height_(height) {}

  void SetPenColor(Rgb c) override;
  void SetPenWidth(int w) override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(int points) override;
  void SetFontColor(Rgb c) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  // Marks the start of a printed page in the record.
  void BeginPage(int number, int width, int height);

  const std::vector<CanvasOp>& Ops() const { return ops_; }
  void Clear() { ops_.clear(); }
  std::string ToJsonLines() const;  // every op, one per line
  std::vector<std::string> Texts() const;

 protected:
  void DoMoveTo(int x, int y) override;
  void DoLineTo(int x, int y) override;
  void DoRectangle(int x1, int y1, int x2, int y2) override;
  void DoEllipse(int x1, int y1, int x2, int y2) override;
  void DoTextOut(int x, int y, const std::string& text) override;
  void DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) override;

 private:
  void PushPen();
  void PushFont();
  int width_, height_;
  Rgb penColor_{kBlack};
  int penWidth_ = 1;
  std::string fontName_ = "Arial";
  int fontSize_ = 10;
  Rgb fontColor_{kBlack};
  std::vector<CanvasOp> ops_;
};

}  // namespace varnloft
