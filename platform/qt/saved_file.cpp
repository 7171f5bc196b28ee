#include "platform/qt/saved_file.h"

#include "platform/atomic_write.h"

namespace varnloft {

std::string SaveFailure(const QString& path, const QString& reason) {
  return "The file \"" + path.toStdString() + "\" could not be written: " + reason.toStdString() +
         ".";
}

std::string SaveBytes(const QString& path, const QByteArray& bytes) {
  const std::string reason = WriteFileAtomically(
      path.toStdString(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  return reason.empty() ? "" : SaveFailure(path, QString::fromStdString(reason));
}

}  // namespace varnloft
