#include "platform/qt/image_file.h"

#include <QSaveFile>

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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return SaveFailure(path, file.errorString());
  if (!image.save(&file, format)) {
    const QString reason = file.error() != QFileDevice::NoError
                               ? file.errorString()
                               : QString("the picture could not be encoded");
    file.cancelWriting();
    return SaveFailure(path, reason);
  }
  return CommitSavedFile(file);
}

}  // namespace varnloft
