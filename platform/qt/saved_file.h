#pragma once
// The Qt side of the one writer (platform/atomic_write.h): a document drawn into memory is put
// in the target's place whole, or not at all. The messages name the file.
#include <QByteArray>
#include <QString>
#include <string>

namespace varnloft {

// "The file "PATH" could not be written: REASON."
std::string SaveFailure(const QString& path, const QString& reason);

// Writes `bytes` as the whole of the file `path` through WriteFileAtomically. Returns an empty
// text, or the message for the user; the target is then as it was.
std::string SaveBytes(const QString& path, const QByteArray& bytes);

}  // namespace varnloft
