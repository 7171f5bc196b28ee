#pragma once
// A picture of the program (the design view, the angle report): its bitmap and the pen and font
// its last drawing left, which the next drawing starts from.
#include <QImage>
#include <functional>

#include "platform/canvas.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/recording_canvas.h"

namespace varnloft {

class Picture {
 public:
  Picture(int width, int height);

  // A new size takes effect at the next drawing; the bitmap keeps its content until then.
  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Redraws the picture with `draw`; when `recording` is given, every call is also recorded
  // there (it is cleared first). Errors of the drawing propagate; what was drawn stays.
  void Draw(const std::function<void(Canvas&)>& draw, RecordingCanvas* recording = nullptr);

  // The bitmap; SaveImageFile (platform/qt/image_file.h) writes it to a file.
  const QImage& Image() const { return image_; }

 private:
  int width_, height_;
  QImage image_;
  CanvasSettings settings_;
};

}  // namespace varnloft
