#pragma once
// Writing a picture to a file so that a failure never leaves a half-written or corrupt file:
// the bitmap goes to a temporary file in the same folder, which replaces the target only once
// it is complete.
#include <QImage>
#include <QString>
#include <string>

namespace varnloft {

// The format a file name asks for: "PNG" for the extension ".png", "BMP" (a Windows bitmap)
// for ".bmp", in any case; nullptr for any other name, which is not a picture file of ours.
const char* ImageFormatFor(const std::string& path);

// Writes `image` to `path` in `format` ("BMP", "PNG"). Returns an empty text on success,
// otherwise the message for the user (naming the file and the reason, e.g. no permission or a
// full disk); the target is then left as it was.
std::string SaveImageFile(const QImage& image, const QString& path, const char* format);

}  // namespace varnloft
