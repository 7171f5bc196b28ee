#pragma once
// The end of every write through a QSaveFile: the output went to a temporary file beside the
// target, which replaces the target only when nothing failed. The messages name the file.
#include <QSaveFile>
#include <QString>
#include <string>

namespace varnloft {

// "The file "PATH" could not be written: REASON."
std::string SaveFailure(const QString& path, const QString& reason);

// Puts the written file in place, or, after an error, removes the temporary file and leaves the
// target as it was. Returns an empty text, or the message for the user.
std::string CommitSavedFile(QSaveFile& file);

}  // namespace varnloft
