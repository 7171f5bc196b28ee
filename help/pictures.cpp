#include "help/pictures.h"

#include <QFile>

// The pictures are linked in from a static library: naming their resource initialiser keeps the
// linker from dropping it.
static void EnsurePictureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
}

namespace varnloft {

QByteArray ReadPictureBytes(const QString& path, std::string& error) {
  EnsurePictureResources();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = "The picture " + path.toStdString() + " is missing";
    return {};
  }
  return file.readAll();
}

DecodedPicture LoadStoredPicture(const StoredPicture& picture) {
  std::string error;
  const QByteArray bytes = ReadPictureBytes(QString::fromUtf8(picture.resourcePath), error);
  if (!error.empty()) return {QImage(), error};
  DecodedPicture decoded = DecodeJpeg(bytes);
  if (!decoded.ok()) decoded.error += " (" + std::string(picture.resourcePath) + ")";
  return decoded;
}

}  // namespace varnloft
