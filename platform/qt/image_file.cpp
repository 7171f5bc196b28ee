#include "platform/qt/image_file.h"

#include <QSaveFile>

#include "platform/file_name.h"

namespace varnloft {

namespace {

std::string Failure(const QString& path, const QString& reason) {
  return "The file \"" + path.toStdString() + "\" could not be written: " + reason.toStdString() +
         ".";
}

}  // namespace

const char* ImageFormatFor(const std::string& path) {
  const std::string extension = FileExtension(path);
  if (extension == ".png") return "PNG";
  if (extension == ".bmp") return "BMP";
  return nullptr;
}

std::string SaveImageFile(const QImage& image, const QString& path) {
  const char* format = ImageFormatFor(path.toStdString());
  if (!format) return Failure(path, "its name ends in neither .bmp nor .png");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure(path, file.errorString());
  if (!image.save(&file, format)) {
    const QString reason = file.error() != QFileDevice::NoError
                               ? file.errorString()
                               : QString("the picture could not be encoded");
    file.cancelWriting();
    return Failure(path, reason);
  }
  if (!file.commit()) return Failure(path, file.errorString());
  return "";
}

}  // namespace varnloft
