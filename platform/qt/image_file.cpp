#include "platform/qt/image_file.h"

#include <QBuffer>

#include "platform/file_name.h"
#include "platform/qt/saved_file.h"

namespace varnloft {

const char* ImageFormatFor(const std::string& path) {
  const std::string extension = FileExtension(path);
  if (extension == ".png") return "PNG";
  if (extension == ".bmp") return "BMP";
  return nullptr;
}

std::string SaveImageFile(const QImage& image, const QString& path) {
  const char* format = ImageFormatFor(path.toStdString());
  if (!format) return SaveFailure(path, "its name ends in neither .bmp nor .png");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format)) return SaveFailure(path, "the picture could not be encoded");
  buffer.close();
  return SaveBytes(path, bytes);
}

}  // namespace varnloft
