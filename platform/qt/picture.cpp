#include "platform/qt/picture.h"

#include <QPainter>
#include <algorithm>

#include "platform/tee_canvas.h"

namespace varnloft {

Picture::Picture(int width, int height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      image_(width_, height_, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

void Picture::SetSize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
}

void Picture::Draw(const std::function<void(Canvas&)>& draw, RecordingCanvas* recording) {
  if (image_.width() != width_ || image_.height() != height_) {
    image_ = QImage(width_, height_, QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
  QPainter painter(&image_);
  QPainterCanvas canvas(painter, 96, settings_);
  // Keep the pen and font reached so far even when the drawing stops on an error.
  struct KeepSettings {
    Picture& picture;
    QPainterCanvas& canvas;
    ~KeepSettings() { picture.settings_ = canvas.Settings(); }
  } keep{*this, canvas};
  if (recording) {
    *recording = RecordingCanvas(width_, height_);
    TeeCanvas both(canvas, *recording);
    draw(both);
  } else {
    draw(canvas);
  }
}

}  // namespace varnloft
