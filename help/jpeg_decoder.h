#pragma once
// Decodes the stored JPEG pictures with libjpeg. A damaged, truncated or unreadable picture never
// ends the program: the result is an empty image and a message that says what went wrong.
#include <QByteArray>
#include <QImage>
#include <string>

namespace varnloft {

struct DecodedPicture {
  QImage image;       // RGB888; null when decoding failed
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// Largest picture accepted, in pixels; a damaged header must not ask for gigabytes.
inline constexpr long long kMaxJpegPixels = 40LL * 1000 * 1000;

DecodedPicture DecodeJpeg(const QByteArray& bytes);

}  // namespace varnloft
