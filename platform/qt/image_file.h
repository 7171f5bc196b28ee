#pragma once
// Writing a picture to a file so that a failure never leaves a half-written or corrupt file:
// the bitmap goes to a temporary file in the same folder, which replaces the target only once
// it is complete. The one place that writes pictures, for the plans window and the driver.
#include <QImage>
#include <QString>
#include <string>

namespace varnloft {

// The format a file name asks for: "PNG" for the extension ".png", "BMP" (a Windows bitmap)
// for ".bmp", in any case; nullptr for any other name, which is not a picture file of ours.
const char* ImageFormatFor(const std::string& path);

// Writes `image` to `path` in the format its extension names. Returns an empty text on
// success, otherwise the message for the user, naming the file and the reason (no such folder,
// no permission, a full disk, a name that is not a .bmp or .png file); the target is then left
// as it was and no temporary file remains.
std::string SaveImageFile(const QImage& image, const QString& path);

}  // namespace varnloft
