#include "platform/qt/svg_file.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "platform/qt/saved_file.h"
#include "platform/tee_canvas.h"

namespace varnloft {

namespace {

constexpr int kSvgDotsPerInch = 96;

}  // namespace

std::string WriteSvgFile(const std::string& path, const SvgPicture& picture,
                         const std::function<void(Canvas&)>& draw, RecordingCanvas* recording) {
  const int width = std::max(picture.width, 1), height = std::max(picture.height, 1);
  const QString name = QString::fromStdString(path);
  QByteArray bytes;
  QBuffer file(&bytes);
  file.open(QIODevice::WriteOnly);
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setResolution(kSvgDotsPerInch);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setTitle(QString::fromStdString(picture.title));
    QPainter painter;
    if (!painter.begin(&generator))
      return SaveFailure(name, "the SVG document could not be started");
    QPainterCanvas canvas(painter, kSvgDotsPerInch, picture.start);
    try {
      if (recording) {
        *recording = RecordingCanvas(width, height);
        TeeCanvas both(canvas, *recording);
        draw(both);
      } else {
        draw(canvas);
      }
    } catch (...) {
      painter.end();
      throw;
    }
    painter.end();
  }
  file.close();
  return SaveBytes(name, bytes);
}

}  // namespace varnloft
