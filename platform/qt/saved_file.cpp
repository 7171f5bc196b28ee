#include "platform/qt/saved_file.h"

namespace varnloft {

std::string SaveFailure(const QString& path, const QString& reason) {
  return "The file \"" + path.toStdString() + "\" could not be written: " + reason.toStdString() +
         ".";
}

std::string CommitSavedFile(QSaveFile& file) {
  if (file.error() != QFileDevice::NoError) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return SaveFailure(file.fileName(), reason);
  }
  if (!file.commit()) return SaveFailure(file.fileName(), file.errorString());
  return "";
}

}  // namespace varnloft
