#pragma once
// The canvas on a QPainter: a QImage for the pictures, a QPrinter for printed plans. Pens are
// solid, the brush is solid white, text is written on a white box whose top-left corner is the
// given point, and rectangles and ellipses exclude their right and bottom edges as on the
// device the figures were designed for.
#include <QFont>
#include <QPainter>
#include <string>

#include "platform/canvas.h"

namespace varnloft {

// The pen and font a picture keeps between drawings.
struct CanvasSettings {
  Rgb penColor = kBlack;
  int penWidth = 1;
  std::string fontName = "Arial";
  int fontSize = 10;  // points
  Rgb fontColor = kBlack;
};

class QPainterCanvas : public Canvas {
 public:
  // `painter` must be active on its device for the canvas's lifetime. Font sizes in points are
  // turned into device pixels at `dotsPerInch` (96 for screen pictures, the printer's resolution
  // on a printer). `start` carries the settings a picture was left with by its last drawing.
  explicit QPainterCanvas(QPainter& painter, int dotsPerInch = 96, CanvasSettings start = {});

  void SetPenColor(Rgb c) override;
  void SetPenWidth(int width) override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(int points) override;
  void SetFontColor(Rgb c) override;
  int Width() const override;
  int Height() const override;

  const CanvasSettings& Settings() const { return settings_; }
  // The font's height in device pixels for a size in points, rounded as the device does.
  static int PixelsForPoints(int points, int dotsPerInch);

 protected:
  void DoMoveTo(int x, int y) override;
  void DoLineTo(int x, int y) override;
  void DoRectangle(int x1, int y1, int x2, int y2) override;
  void DoEllipse(int x1, int y1, int x2, int y2) override;
  void DoTextOut(int x, int y, const std::string& text) override;
  void DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) override;

 private:
  void ApplyPen();
  void ApplyFont();

  QPainter& painter_;
  int dotsPerInch_;
  CanvasSettings settings_;
  QPoint position_;  // the current position of move-to and line-to
};

}  // namespace varnloft
