#pragma once
// The four stored pictures of the Illustrations window. They travel inside the program as Qt
// resources and are decoded with libjpeg.
#include <QString>

#include "help/jpeg_decoder.h"

namespace varnloft {

struct StoredPicture {
  const char* resourcePath;  // inside the program's resources
  int width, height;         // the size the picture is made at
};

inline constexpr StoredPicture kTablePhotograph{":/pictures/finished_table.jpg", 475, 247};
inline constexpr StoredPicture kHoleLocationsSketch{":/pictures/hole_locations.jpg", 428, 206};
inline constexpr StoredPicture kTipsyTableSketch{":/pictures/tipsy_table.jpg", 428, 206};
inline constexpr StoredPicture kAngleCheckingSketch{":/pictures/angle_checking.jpg", 428, 206};

// Reads a stored picture's bytes and decodes them. A missing or damaged picture gives an empty
// image and a message naming the picture.
DecodedPicture LoadStoredPicture(const StoredPicture& picture);

// Reads any resource or file into memory; empty with a message when it cannot be read.
QByteArray ReadPictureBytes(const QString& path, std::string& error);

}  // namespace varnloft
